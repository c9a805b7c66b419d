;;; excel_install_dir.lsp - Excel連携ツールのインストール フォルダを記録する
;;;
;;; CAD のサポート ファイル検索パスからこのファイル自身を探し、見つかった
;;; フォルダを *excel-install-dir* に入れます（末尾の \ は付けません）。
;;; qv.lsp などの CAD 側ルーチンは、この値でツールのフォルダを知ります。
;;; スタートアップ スイートに入れておくと、CAD の起動ごとに記録されます。
(defun excel-install-dir-of (path / i dir)
  (setq i (strlen path) dir nil)
  (while (and (> i 0) (null dir))
    (if (or (= (substr path i 1) "\\") (= (substr path i 1) "/"))
      (setq dir (substr path 1 (- i 1)))
      (setq i (- i 1))))
  dir)
(setq excel-install-file (findfile "excel_install_dir.lsp"))
(if excel-install-file
  (progn
    (setq *excel-install-dir* (excel-install-dir-of excel-install-file))
    (princ "\nExcel連携ツールのフォルダ: ")
    (princ *excel-install-dir*))
  (progn
    (setq *excel-install-dir* nil)
    (princ "\nexcel_install_dir.lsp がサポート ファイル検索パスにありません。ツールのフォルダを追加してください。")))
(princ)
