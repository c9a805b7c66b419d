;;; qvpos.lsp - gaugeread.exe が「+」「-」以外で始まる式の依頼で読み込ませるルーチン
;;;
;;; 図面で寸法か文字を 1 つ選んでもらい、その数値を Excel のブックの
;;; アクティブ シートのセル（行, 列）に書き込みます。Enter、Esc、何もない所の
;;; 選択では何も書きません。書き込みの仕事は gaugereadint.lsp の関数がします（見つからな
;;; ければ、CAD が gaugereadint の読み込みに失敗したと表示します）。
(load "gaugereadint")
(gaugeread:run nil)
(princ)
