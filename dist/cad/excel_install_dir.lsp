;;; excel_install_dir.lsp - VadoRariri のフォルダーが CAD から見えるかを確かめる
;;;
;;; CAD のサポート ファイル検索パスからこのファイル自身を探し、見つかった
;;; フォルダーを *excel-install-dir* に入れて、コマンド ラインに表示します
;;; （末尾の \ は付けません）。インストールのあと、CAD のコマンド ラインで
;;; (load "excel_install_dir") と入力すると、サポート ファイル検索パスの設定を
;;; 確かめられます。ツールと CAD 側のルーチンはこの値を使いません。
;; 表示する文（EXCELマクロエラー.pdf の表は、ビルドのときにこの一覧から作られます）。
(setq excel-install-dir-messages
  '(("install-dir-found" . "VadoRariri のフォルダー: ")
    ("install-dir-missing" . "excel_install_dir.lsp がサポート ファイル検索パスにありません。ツールのフォルダーを追加してください。")))

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
    (princ (strcat "\n" (cdr (assoc "install-dir-found" excel-install-dir-messages))))
    (princ *excel-install-dir*))
  (progn
    (setq *excel-install-dir* nil)
    (princ (strcat "\n" (cdr (assoc "install-dir-missing" excel-install-dir-messages))))))
(princ)
