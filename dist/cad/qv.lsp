;;; qv.lsp - gaugeread.exe が「+」か「-」で始まる式（+N / -N）の依頼で読み込ませるルーチン
;;;
;;; 図面で寸法か文字を続けて選んでもらい、その数値を Excel のブックの
;;; アクティブ シートに書き込みます。最初の値は依頼の（行, 列）へ、次からは
;;; N 行ずつ先へ（+1 なら下へ、-1 なら上へ）。Enter、Esc、何もない所の選択で
;;; 終わります。書き込みの仕事は gaugereadint.lsp の関数がします（見つからなければ、
;;; CAD が gaugereadint の読み込みに失敗したと表示します）。
(load "gaugereadint")
(gaugeread:run T)
(princ)
