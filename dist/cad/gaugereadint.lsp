;;; gaugereadint.lsp - 寸法値ルーチンの共通部分と、桁数を設定するコマンド GAUGEREADINT
;;;
;;; qv.lsp と qvpos.lsp は、読み込まれるたびにこのファイルを読み込み、ここに
;;; ある関数で仕事をします。
;;;   1. gaugeread.exe が書いた依頼（excel_fname.lsp）を読み込む。
;;;   2. 依頼のブックが Excel で開かれていることを確かめる。
;;;   3. 図面で寸法か文字を選んでもらい、その数値を読む。
;;;   4. gaugeread_int.dat の桁数に丸めて、ブックのアクティブ シートの
;;;      セル（行, 列）に数値として書き込む。
;;;   5. Excel に接続できない CAD（AutoCAD LT など）や、接続した Excel で
;;;      ブックが見つからないときは、値を gaugeread_result.txt に書き、
;;;      ブックのマクロがそれを取り込む。どちらの道でも、このファイルに
;;;      依頼の始まり・値・終わり方を残す。
;;; CAD の起動ごとにこのファイルを読み込んでおくと（スタートアップ スイート
;;; か acaddoc.lsp）、初めから GAUGEREADINT コマンドが使えます。
;;; ファイルはすべてツールのフォルダーにあり、CAD のサポート ファイル検索パスで
;;; 見つけます。

;;; ---- メッセージ ----
;;; 利用者に見せる文はすべてここにあります。〈…〉には、前から順に値が入ります。
;;; （EXCELマクロエラー.pdf の表は、ビルドのときにこの一覧から作られます。）
(setq gaugeread:messages
  '(("request-missing" . "excel_fname.lsp が見つかりません。ツールのフォルダーを CAD のサポート ファイル検索パスに追加してください。")
    ("request-incomplete" . "excel_fname.lsp に expr・row・col・excelfnam がそろっていません。Excel から依頼し直してください。")
    ("bad-step" . "式「〈式〉」は qv では使えません。+N か -N（N は 1 以上の整数）を指定してください。+1 で 1 行ずつ下へ、-1 で上へ書き込みます。")
    ("bad-row" . "行「〈行〉」は 1 から 1048576 までの整数ではありません。")
    ("bad-col" . "列「〈列〉」は 1 から 16384 までの整数ではありません。")
    ("digits-default" . "gaugeread_int.dat がないか、0 から 8 の数字ではないため、小数点以下 2 桁にします（GAUGEREADINT で設定できます）。")
    ("no-activex" . "この CAD の AutoLISP からは Excel に接続できません（ActiveX が使えません）。値は gaugeread_result.txt を通してブックに届けます。")
    ("excel-not-running" . "実行中の Excel に接続できません。値は gaugeread_result.txt を通してブック 〈ブック〉 に届けます。")
    ("book-not-open" . "接続できた Excel ではブック 〈ブック〉 が開かれていません。値は gaugeread_result.txt を通してブックに届けます。")
    ("sheet-unavailable" . "ブック 〈ブック〉 のアクティブ シートに直接書き込めません（〈理由〉）。値は gaugeread_result.txt を通してブックに届けます。")
    ("result-unwritable" . "〈ファイル〉 に書き込めないため、値をブックに届けられません。ツールのフォルダーに書き込めるか確かめてください。")
    ("read-only" . "ブック 〈ブック〉 は読み取り専用で開かれています。値は書き込みますが、このブックには上書き保存できません。")
    ("pick-many" . "\n寸法または文字を選択 [Enter で終了]: ")
    ("pick-one" . "\n寸法または文字を選択: ")
    ("not-a-value" . "選んだ図形は寸法でも文字でもありません（〈図形の種類〉）。")
    ("no-number" . "選んだ文字「〈文字〉」には数値がありません。")
    ("written" . "R〈行〉C〈列〉 ← 〈値〉")
    ("queued" . "R〈行〉C〈列〉 ← 〈値〉（gaugeread_result.txt へ）")
    ("cell-refused" . "R〈行〉C〈列〉 に書き込めませんでした（〈理由〉）。シートの保護を外すか、行と列を確かめてください。")
    ("out-of-sheet" . "次の行 〈行〉 はシートの外です。ここで終わります。")
    ("done" . "〈個数〉 個の値を Excel に直接書き込みました。")
    ("done-file" . "〈個数〉 個の値を gaugeread_result.txt に書きました。Excel のブックが取り込みます。")
    ("cancelled" . "中止しました。書き込んだ 〈個数〉 個の値はそのままです。")
    ("failed" . "エラーのため中止しました: 〈エラー〉。書き込んだ 〈個数〉 個の値はそのままです。")
    ("digits-prompt-error" . "0 から 8 の数字を 1 つ入れてください。")
    ("digits-saved" . "寸法値の小数点以下の桁数を 〈桁数〉 にしました。")
    ("digits-not-saved" . "gaugeread_int.dat が見つからないか書き込めないため、桁数を保存できませんでした。")
    ("dialog-missing" . "gaugereadint.dcl を読み込めません。ツールのフォルダーを CAD のサポート ファイル検索パスに追加してください。")))

;; キーの文の〈…〉に、前から順に values を入れたもの。
(defun gaugeread:text (key values / text from at end)
  (setq text (cdr (assoc key gaugeread:messages))
        from 0)
  (foreach value values
    (if (and from
             (setq at (vl-string-search "〈" text from))
             (setq end (vl-string-search "〉" text at)))
      (setq text (strcat (substr text 1 at) value (substr text (+ end 2)))
            from (+ at (strlen value)))
      (setq from nil)))
  text)

;; text の中の from をすべて to に置き換えたもの。
(defun gaugeread:replace (text from to / at)
  (setq at 0)
  (while (setq at (vl-string-search from text at))
    (setq text (strcat (substr text 1 at) to (substr text (+ at (strlen from) 1)))
          at (+ at (strlen to))))
  text)

;; コマンド ラインに 1 行表示します。
(defun gaugeread:say (key values)
  (princ (strcat "\n" (gaugeread:text key values)))
  (princ))

;;; ---- 桁数（gaugeread_int.dat） ----

;; 1 行目の数字（0 から 8）。ないか不正なら nil。
(defun gaugeread:read-digits (/ path file line)
  (if (and (setq path (findfile "gaugeread_int.dat"))
           (setq file (open path "r")))
    (progn
      (setq line (read-line file))
      (close file)
      (if line (setq line (vl-string-trim " \t" line)))
      (if (and line (= (strlen line) 1) (wcmatch line "#") (<= (atoi line) 8))
        (atoi line)))))

;; gaugeread_int.dat がなければ、gaugereadint.lsp と同じフォルダーに作る。
(defun gaugeread:write-digits (digits / path file)
  (if (and (or (setq path (findfile "gaugeread_int.dat"))
               (and (setq path (findfile "gaugereadint.lsp"))
                    (setq path (strcat (substr path 1 (- (strlen path) 16)) "gaugeread_int.dat"))))
           (setq file (open path "w")))
    (progn
      (write-line (itoa digits) file)
      (close file)
      T)))

;; 使う桁数。ファイルがないか不正なら、そう言って 2。
(defun gaugeread:digits (/ digits)
  (if (setq digits (gaugeread:read-digits))
    digits
    (progn (gaugeread:say "digits-default" nil) 2)))

;;; ---- 選んだ図形の値 ----

;; 全角の数字・符号・小数点を半角にしたもの。
(defun gaugeread:halfwidth (text / out index code)
  (setq out "" index 1)
  (while (<= index (strlen text))
    (setq code (ascii (substr text index 1)))
    (setq out
      (strcat out
        (cond ((and (>= code 65296) (<= code 65305)) (chr (- code 65248))) ; ０-９
              ((or (= code 65293) (= code 8722)) "-")                       ; －−
              ((= code 65291) "+")                                          ; ＋
              ((= code 65294) ".")                                          ; ．
              ((= code 65292) ",")                                          ; ，
              (T (substr text index 1)))))
    (setq index (1+ index)))
  out)

;; MTEXT の書式コード（\P や {\fArial;...} など）を除いた文字。
(defun gaugeread:plain-mtext (text / out index char next)
  (setq out "" index 1)
  (while (<= index (strlen text))
    (setq char (substr text index 1)
          next (substr text (1+ index) 1))
    (cond
      ((member char '("{" "}")) (setq index (1+ index)))
      ((/= char "\\") (setq out (strcat out char) index (1+ index)))
      ((member next '("\\" "{" "}")) (setq out (strcat out next) index (+ index 2)))
      ((member (strcase next) '("P" "~" "N"))
       (setq out (strcat out " ") index (+ index 2)))
      ((member (strcase next) '("L" "O" "K"))
       (setq index (+ index 2)))
      ((= (strcase next) "S")
       ;; 重ね文字 \S上^下; は「上/下」として読む
       (setq index (+ index 2))
       (while (and (<= index (strlen text)) (/= (substr text index 1) ";"))
         (setq char (substr text index 1)
               out (strcat out (if (member char '("^" "#")) "/" char))
               index (1+ index)))
       (setq index (1+ index)))
      (T
       ;; \f \H \C \T \Q \W \A \p など: 次の ; までが書式
       (while (and (<= index (strlen text)) (/= (substr text index 1) ";"))
         (setq index (1+ index)))
       (setq index (1+ index)))))
  out)

;; text の index 文字目の前が英字か数字か。
(defun gaugeread:alphanumeric-before (text index)
  (and (> index 1) (wcmatch (substr text (1- index) 1) "[A-Za-z0-9]")))

;; 文字の中の最初の数値（「L=40m」なら 40、「－１,２００」なら -1200）。なければ nil。
(defun gaugeread:first-number (text / index digits char start)
  (setq text (gaugeread:halfwidth text) index 1 start nil)
  ;; 数字か、数字が続く小数点の位置を探す。英数字のすぐ後の「.」と「-」は
  ;; 数値の一部ではない（「No.12」は 12、「A-1」は 1）
  (while (and (null start) (<= index (strlen text)))
    (if (or (wcmatch (substr text index 1) "#")
            (and (= (substr text index 1) ".") (wcmatch (substr text (1+ index) 1) "#")
                 (not (gaugeread:alphanumeric-before text index))))
      (setq start index)
      (setq index (1+ index))))
  (if start
    (progn
      (setq digits (if (and (> start 1) (= (substr text (1- start) 1) "-")
                            (not (gaugeread:alphanumeric-before text (1- start))))
                     "-" "")
            index start)
      ;; 整数部（3 桁ごとの「,」は読み飛ばす）と小数部
      (while (<= index (strlen text))
        (setq char (substr text index 1))
        (cond
          ((wcmatch char "#") (setq digits (strcat digits char) index (1+ index)))
          ((and (= char ",") (not (vl-string-search "." digits))
                (wcmatch (substr text (1+ index) 3) "###")
                (not (wcmatch (substr text (+ index 4) 1) "#")))
           (setq index (1+ index)))
          ((and (= char ".") (not (vl-string-search "." digits))
                (wcmatch (substr text (1+ index) 1) "#"))
           (setq digits (strcat digits char) index (1+ index)))
          (T (setq index (1+ (strlen text))))))
      (atof (if (wcmatch digits "`.*,-`.*") (gaugeread:replace digits "." "0.") digits)))))

;; 寸法の値: 優先文字に数値があればそれ、なければ計測値（角度寸法は度に直す）。
(defun gaugeread:dimension-value (data / override kind value)
  (setq override (cdr (assoc 1 data))
        kind (rem (cdr (assoc 70 data)) 32))
  (if (and override (/= override "") (not (vl-string-search "<>" override)))
    (setq value (gaugeread:first-number (gaugeread:plain-mtext override))))
  (cond
    (value)
    ((member kind '(2 5)) (* (cdr (assoc 42 data)) 57.29577951308232)) ; ラジアンを度に
    (T (cdr (assoc 42 data)))))

;; 図形データから値を読みます。数値がなければそのわけを言って nil。
(defun gaugeread:entity-value (data / kind text value)
  (setq kind (cdr (assoc 0 data)))
  (cond
    ((= kind "DIMENSION") (gaugeread:dimension-value data))
    ((member kind '("TEXT" "MTEXT"))
     (setq text "")
     (foreach group data
       (if (= (car group) 3) (setq text (strcat text (cdr group)))))
     (setq text (strcat text (cdr (assoc 1 data))))
     (if (= kind "MTEXT") (setq text (gaugeread:plain-mtext text)))
     (if (setq value (gaugeread:first-number text))
       value
       (progn (gaugeread:say "no-number" (list text)) nil)))
    (T (gaugeread:say "not-a-value" (list kind)) nil)))

;; 1 つ選んでもらい、その値を返します。Enter か何もない所を選ぶと nil、
;; 数値のない図形を選んだときは選び直してもらいます。Esc は *error* へ。
(defun gaugeread:pick (prompt / picked value)
  (while (and (setq picked (entsel prompt))
              (null (setq value (gaugeread:entity-value (entget (car picked)))))))
  (if picked value))

;; 桁数に丸めた値と、その表示。
(defun gaugeread:rounded (value digits / dimzin text)
  ;; DIMZIN が末尾の 0 を消さないように、一時的に 0 にする
  (setq dimzin (getvar "DIMZIN"))
  (if dimzin (setvar "DIMZIN" 0))
  (setq text (rtos value 2 digits))
  (if dimzin (setvar "DIMZIN" dimzin))
  (list (atof text) text))

;;; ---- Excel ----
;;; 取り出したオブジェクトはすべて gaugeread:objects に入れ、終わるときに
;;; （エラーで終わるときも）gaugeread:release-all で解放します。

(defun gaugeread:keep (object)
  (if (eq (type object) 'VLA-OBJECT)
    (setq gaugeread:objects (cons object gaugeread:objects)))
  object)

(defun gaugeread:release-all ()
  (foreach object gaugeread:objects
    (if (not (vlax-object-released-p object))
      (vlax-release-object object)))
  (setq gaugeread:objects nil))

;; プロパティの値（オブジェクトなら覚えておく）。失敗すれば catch-all のエラー値。
(defun gaugeread:get (object property arguments / result)
  (setq result (vl-catch-all-apply 'vlax-get-property (append (list object property) arguments)))
  (if (eq (type result) 'VARIANT)
    (setq result (vlax-variant-value result)))
  (if (vl-catch-all-error-p result) result (gaugeread:keep result)))

(defun gaugeread:failed-p (result)
  (vl-catch-all-error-p result))

;; ブックのパスを比べられる形に: 区切りは \、大文字小文字は区別しない。
(defun gaugeread:path-key (path)
  (strcase (vl-string-translate "/" "\\" path)))

;; 依頼のブックのアクティブ シート。Excel に接続できないか、ブックが見つからな
;; ければ、そのわけを言って nil（値は結果ファイルでブックに届けます）。
(defun gaugeread:target-sheet (bookpath / shown excel books count index book name found sheet)
  (setq shown (vl-string-translate "/" "\\" bookpath)) ; 利用者が知っている形で見せる
  (cond
    ((gaugeread:failed-p (vl-catch-all-apply 'vl-load-com nil))
     (gaugeread:say "no-activex" nil) nil)
    ;; AutoCAD LT は vl-load-com を受け付けても vlax-get-object を持たない
    ((gaugeread:failed-p (setq excel (vl-catch-all-apply 'vlax-get-object '("Excel.Application"))))
     (gaugeread:say "no-activex" nil) nil)
    ((null (gaugeread:keep excel))
     (gaugeread:say "excel-not-running" (list shown)) nil)
    (T
     (setq books (gaugeread:get excel 'Workbooks nil)
           count (if (gaugeread:failed-p books) 0 (gaugeread:get books 'Count nil))
           index 1)
     (if (not (numberp count)) (setq count 0))
     (while (and (null found) (<= index count))
       (setq book (gaugeread:get books 'Item (list index))
             name (if (gaugeread:failed-p book) book (gaugeread:get book 'FullName nil)))
       (if (and (eq (type name) 'STR)
                (= (gaugeread:path-key name) (gaugeread:path-key bookpath)))
         (setq found book))
       (setq index (1+ index)))
     (cond
       ((null found) (gaugeread:say "book-not-open" (list shown)) nil)
       ((gaugeread:failed-p (setq sheet (gaugeread:get found 'ActiveSheet nil)))
        (gaugeread:say "sheet-unavailable" (list shown (vl-catch-all-error-message sheet))) nil)
       ((gaugeread:failed-p (gaugeread:get sheet 'Cells nil))
        (gaugeread:say "sheet-unavailable" (list shown "Cells")) nil)
       (T
        (if (eq (gaugeread:get found 'ReadOnly nil) :vlax-true)
          (gaugeread:say "read-only" (list shown)))
        sheet)))))

;; セル（行, 列）に値を書き込み、表示します。書けなければそのわけを言って nil。
(defun gaugeread:write (sheet row col value digits / rounded cells cell result)
  (setq rounded (gaugeread:rounded value digits)
        cells (gaugeread:get sheet 'Cells nil)
        cell (if (gaugeread:failed-p cells) cells (gaugeread:get cells 'Item (list row col))))
  (if (not (gaugeread:failed-p cell))
    (setq result (vl-catch-all-apply 'vlax-put-property (list cell 'Value2 (car rounded))))
    (setq result cell))
  (if (gaugeread:failed-p result)
    (progn
      (gaugeread:say "cell-refused" (list (itoa row) (itoa col) (vl-catch-all-error-message result)))
      nil)
    (progn
      (gaugeread:say "written" (list (itoa row) (itoa col) (cadr rounded)))
      (gaugeread:result-line "a" (strcat "written " (itoa row) " " (itoa col) " " (cadr rounded)))
      T)))

;;; ---- 結果ファイル（gaugeread_result.txt） ----
;;; excel_fname.lsp と同じフォルダーに置く、ブックへの報告です。1 行目は
;;; start 式 行 列、値ごとに 1 行（ブックが書く値は value、Excel に書き込んだ
;;; 値は written、続けて 行 列 数値）、最後は end・cancelled・failed と値の個数。
;;; 文字は ASCII だけ、行末は CR LF。1 行ごとに開いて閉じるので、ブックは
;;; 値を届いた順に読めます。

;; ASCII の表示できる文字以外（空白、日本語など）を ? にした文字。nil や空なら ?。
(defun gaugeread:ascii (text / out index code)
  (setq out "" index 1)
  (if (eq (type text) 'STR)
    (while (<= index (strlen text))
      (setq code (ascii (substr text index 1))
            out (strcat out (if (and (> code 32) (< code 127)) (chr code) "?"))
            index (1+ index))))
  (if (= out "") "?" out))

;; 結果ファイルに 1 行書きます（mode "w" で書き直し、"a" で後ろに足す）。
;; 書けたら T。
(defun gaugeread:result-line (mode line / file)
  (if (and gaugeread:result-path (setq file (open gaugeread:result-path mode)))
    (progn (write-line line file) (close file) T)))

;; 依頼の始まり。書けなければ、このあと結果ファイルは使いません。
(defun gaugeread:result-start (expression row col)
  (if (not (gaugeread:result-line "w" (strcat "start " (gaugeread:ascii expression) " "
                                              (gaugeread:ascii row) " " (gaugeread:ascii col))))
    (setq gaugeread:result-unwritable gaugeread:result-path
          gaugeread:result-path nil)))

;; 最後の行（一度だけ）: ending は "end"・"cancelled"・"failed"。
(defun gaugeread:result-end (ending count)
  (if (and gaugeread:result-path (not gaugeread:result-ended))
    (progn
      (setq gaugeread:result-ended T)
      (gaugeread:result-line "a" (strcat ending " " (itoa count))))))

;; ブックが書く値を結果ファイルに足して、表示します。書けなければそう言って nil。
(defun gaugeread:queue (row col value digits / rounded)
  (setq rounded (gaugeread:rounded value digits))
  (if (gaugeread:result-line "a" (strcat "value " (itoa row) " " (itoa col) " " (cadr rounded)))
    (progn
      (gaugeread:say "queued" (list (itoa row) (itoa col) (cadr rounded)))
      T)
    (progn
      (gaugeread:say "result-unwritable" (list (vl-string-translate "/" "\\" gaugeread:result-path)))
      nil)))

;;; ---- 依頼 ----

;; 1 以上 limit 以下の整数を表す文字なら、その数。
(defun gaugeread:whole (text limit)
  (if (and (eq (type text) 'STR) (wcmatch text "#*") (not (wcmatch text "*[~0-9]*"))
           (<= (strlen text) 7) (>= (atoi text) 1) (<= (atoi text) limit))
    (atoi text)))

;; qv の式 +N / -N の N（符号付き）。ほかの形なら nil。
(defun gaugeread:step (expression)
  (if (and (member (substr expression 1 1) '("+" "-")) (wcmatch (substr expression 2) "#*")
           (not (wcmatch (substr expression 2) "*[~0-9]*"))
           (<= (strlen expression) 8) (>= (atoi (substr expression 2)) 1))
    (if (= (substr expression 1 1) "-")
      (- (atoi (substr expression 2)))
      (atoi (substr expression 2)))))

;; 依頼を読み込み、(式 行 列 ブック) を返します。不備があればそう言って nil。
;; 読み込めたら、同じフォルダーの結果ファイルを start の行で書き直します。
(defun gaugeread:request (/ path)
  (setq expr nil row nil col nil excelfnam nil)
  (cond
    ((null (setq path (findfile "excel_fname.lsp")))
     (gaugeread:say "request-missing" nil) nil)
    ((progn
       (load path)
       (setq gaugeread:result-path
              (strcat (substr path 1 (- (strlen path) (strlen "excel_fname.lsp")))
                      "gaugeread_result.txt"))
       (gaugeread:result-start expr row col)
       (not (and expr row col excelfnam)))
     (gaugeread:say "request-incomplete" nil) nil)
    ((null (gaugeread:whole row 1048576)) (gaugeread:say "bad-row" (list row)) nil)
    ((null (gaugeread:whole col 16384)) (gaugeread:say "bad-col" (list col)) nil)
    (T (list expr (gaugeread:whole row 1048576) (gaugeread:whole col 16384) excelfnam))))

;; 値を届けます: シートがあれば Excel に書き込み、なければ結果ファイルへ。
(defun gaugeread:deliver (sheet row col value digits)
  (if sheet
    (gaugeread:write sheet row col value digits)
    (gaugeread:queue row col value digits)))

;; qv（many が T）と qvpos の本体。
(defun gaugeread:run (many / *error* request step sheet digits row col value written stopped)
  (setq gaugeread:objects nil written 0
        gaugeread:result-path nil gaugeread:result-unwritable nil gaugeread:result-ended nil)
  (defun *error* (message)
    (gaugeread:release-all)
    (if (wcmatch (strcase message) "*CANCEL*,*QUIT*,*EXIT*,*キャンセル*")
      (progn
        (gaugeread:result-end "cancelled" written)
        (gaugeread:say "cancelled" (list (itoa written))))
      (progn
        (gaugeread:result-end "failed" written)
        (gaugeread:say "failed" (list message (itoa written)))))
    (princ))
  (cond
    ((not (and (setq request (gaugeread:request))
               (or (not many)
                   (setq step (gaugeread:step (car request)))
                   (progn (gaugeread:say "bad-step" (list (car request))) nil)))))
    ;; Excel にもファイルにも届けられない
    ((and (null (setq sheet (gaugeread:target-sheet (nth 3 request))))
          gaugeread:result-unwritable)
     (gaugeread:say "result-unwritable"
                    (list (vl-string-translate "/" "\\" gaugeread:result-unwritable))))
    (T
     (setq digits (gaugeread:digits)
           row (cadr request)
           col (caddr request))
     (while (and row
                 (setq value (gaugeread:pick (gaugeread:text (if many "pick-many" "pick-one") nil)))
                 (or (gaugeread:deliver sheet row col value digits)
                     (progn (setq stopped T) nil)))
       (setq written (1+ written))
       (cond
         ((not many) (setq row nil))
         ((or (< (+ row step) 1) (> (+ row step) 1048576))
          (gaugeread:say "out-of-sheet" (list (itoa (+ row step))))
          (setq row nil))
         (T (setq row (+ row step)))))
     (gaugeread:result-end (if stopped "failed" "end") written)
     (gaugeread:say (if sheet "done" "done-file") (list (itoa written)))))
  ;; 依頼に不備があって値を受け取らなかったとき
  (gaugeread:result-end "failed" written)
  (gaugeread:release-all)
  (princ))

;;; ---- GAUGEREADINT ----

(defun gaugereadint:check (text)
  (setq text (vl-string-trim " " text))
  (if (and (= (strlen text) 1) (wcmatch text "#") (<= (atoi text) 8))
    (progn (setq gaugereadint:digits (atoi text)) (done_dialog 1))
    (set_tile "message" (gaugeread:text "digits-prompt-error" nil))))

(defun c:gaugereadint (/ dialog result)
  (setq gaugereadint:digits (gaugeread:read-digits))
  (if (null gaugereadint:digits) (setq gaugereadint:digits 2))
  (setq dialog (load_dialog "gaugereadint.dcl"))
  (if (and (> dialog 0) (not (new_dialog "gaugereadint" dialog)))
    (progn (unload_dialog dialog) (setq dialog -1)))
  (if (> dialog 0)
    (progn
      (set_tile "digits" (itoa gaugereadint:digits))
      (action_tile "accept" "(gaugereadint:check (get_tile \"digits\"))")
      (action_tile "cancel" "(done_dialog 0)")
      (setq result (start_dialog))
      (unload_dialog dialog)
      (if (= result 1)
        (if (gaugeread:write-digits gaugereadint:digits)
          (gaugeread:say "digits-saved" (list (itoa gaugereadint:digits)))
          (gaugeread:say "digits-not-saved" nil))))
    (gaugeread:say "dialog-missing" nil))
  (princ))

(princ)
