;;; gaugereadint.lsp - 寸法値ルーチンの設定コマンド GAUGEREADINT
;;;
;;; qv.lsp・qvpos.lsp が寸法値を文字にするときの小数点以下の桁数を、
;;; ダイアログ（gaugereadint.dcl）で設定し、gaugeread_int.dat の 1 行目に
;;; 0 から 8 の数字で保存します。どちらのファイルもツールのフォルダにあり、
;;; サポート ファイル検索パスで見つけます。
(defun gaugereadint-read-digits (/ path file line)
  (setq line nil)
  (if (setq path (findfile "gaugeread_int.dat"))
    (progn
      (setq file (open path "r"))
      (setq line (read-line file))
      (close file)))
  (if (and line (> (strlen line) 0)) (atoi line) 2))

(defun gaugereadint-write-digits (digits / path file)
  (if (setq path (findfile "gaugeread_int.dat"))
    (progn
      (setq file (open path "w"))
      (write-line (itoa digits) file)
      (close file)
      T)
    nil))

(defun gaugereadint-check (text)
  (if (and (= (strlen text) 1) (>= (atoi text) 0) (<= (atoi text) 8)
           (or (/= (atoi text) 0) (= text "0")))
    (progn (setq gaugereadint-digits (atoi text)) (done_dialog 1))
    (set_tile "message" "0 から 8 の数字を入れてください。")))

(defun c:gaugereadint (/ dialog result)
  (setq gaugereadint-digits (gaugereadint-read-digits))
  (setq dialog (load_dialog "gaugereadint.dcl"))
  (if (and (>= dialog 0) (new_dialog "gaugereadint" dialog))
    (progn
      (set_tile "digits" (itoa gaugereadint-digits))
      (action_tile "accept" "(gaugereadint-check (get_tile \"digits\"))")
      (action_tile "cancel" "(done_dialog 0)")
      (setq result (start_dialog))
      (unload_dialog dialog)
      (if (= result 1)
        (if (gaugereadint-write-digits gaugereadint-digits)
          (princ (strcat "\n寸法値の桁数を " (itoa gaugereadint-digits) " にしました。"))
          (princ "\ngaugeread_int.dat が見つからないため保存できませんでした。"))))
    (princ "\ngaugereadint.dcl を読み込めません。ツールのフォルダをサポート ファイル検索パスに追加してください。"))
  (princ))

(princ "\nGAUGEREADINT: 寸法値の桁数を設定します。")
(princ)
