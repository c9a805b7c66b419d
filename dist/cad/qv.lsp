;;; qv.lsp - CAD-side routine that gaugeread loads for an expression that
;;; begins with "+" or "-" (a relative dimension value).
;;;
;;; gaugeread writes the request into excel_fname.lsp beside itself and then
;;; pastes (load "qv") into the CAD. This routine loads the request through
;;; the CAD's support file search path, checks that the four values are set,
;;; and shows the request on the command line. It is the starting point for
;;; a site's own routine: replace the last part with what your site does
;;; with expr, row, col and excelfnam.
(setq expr nil row nil col nil excelfnam nil)
(if (findfile "excel_fname.lsp")
  (progn
    (load "excel_fname")
    (if (and expr row col excelfnam)
      (progn
        (princ "\n寸法値の依頼（相対）: 式 ")
        (princ expr)
        (princ "  行 ")
        (princ row)
        (princ "  列 ")
        (princ col)
        (princ "  ブック ")
        (princ excelfnam))
      (princ "\nexcel_fname.lsp に expr・row・col・excelfnam がそろっていません。")))
  (princ "\nexcel_fname.lsp が見つかりません。ツールのフォルダをサポートファイルの検索パスに追加してください。"))
(princ)
