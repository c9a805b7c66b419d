Attribute VB_Name = "DimensionResult"
' 寸法シート: CAD 側のルーチン（qv・qvpos）が書く gaugeread_result.txt を取り込みます。
' 1 行目 start 式 行 列、値ごとに value 行 列 数値（ブックが書く値）か written 行 列 数値
' （CAD が Excel に直接書き込んだ値）、最後に end・cancelled・failed と値の個数。
' 依頼のあとは Excel を止めずに 0.5 秒ごとに見張り（最長 10 分）、値が届くたびに
' セルに書きます。取り込んだ行の数を B7 に残すので、同じ行を二度書くことはありません。
Option Explicit

Private Const ResultFile As String = "gaugeread_result.txt"
Private Const WatchMinutes As Long = 10
Private Const AppliedCell As String = "B7"

' 最後の ApplyResultFile でファイルがどこまで来ていたか。
Private Const ResultWaiting As Long = 0
Private Const ResultOpen As Long = 1
Private Const ResultEnded As Long = 2
Private Const ResultRefused As Long = 3

Private resultState As Long
Private watching As Boolean
Private watchUntil As Date

Private Function ResultPath() As String
    ResultPath = ThisWorkbook.Path & Application.PathSeparator & ResultFile
End Function

' 依頼の前に、前の結果を消して見張りを止めます。消せなければ示して False。
Public Function ForgetResult() As Boolean
    watching = False
    On Error Resume Next
    If Len(Dir(ResultPath())) > 0 Then Kill ResultPath()
    On Error GoTo 0
    If Len(Dir(ResultPath())) > 0 Then
        MsgBox "前の gaugeread_result.txt を削除できません。ほかのプログラムが開いていないか確かめてください。", vbExclamation, "bridgebook"
        Exit Function
    End If
    Sheet3.Range(AppliedCell).Value = 0
    ForgetResult = True
End Function

' gaugeread が読み込みコマンドを貼り付けたあと: ファイルの見張りを始めます。
Public Sub WatchResult()
    watching = True
    watchUntil = Now + TimeSerial(0, WatchMinutes, 0)
    WatchTick
End Sub

Public Sub WatchTick()
    Dim text As String
    If Not watching Then Exit Sub
    text = ApplyResultFile()
    If resultState >= ResultEnded Then
        watching = False
    ElseIf Now >= watchUntil Then
        watching = False
        text = Replace("CAD の値を 〈分〉 分待ちましたが、終わりの行が届きません。CAD で選び終えてから「CADの値を取り込む」ボタンを押してください。", "〈分〉", WatchMinutes)
    Else
        Application.OnTime Now + TimeSerial(0, 0, 1) / 2, "DimensionResult.WatchTick"
    End If
    Application.StatusBar = text
End Sub

' ボタン「CADの値を取り込む」: 見張りの時間が過ぎた依頼の値を、手で取り込みます。
Public Sub ImportCadValues()
    Dim text As String
    watching = False
    text = ApplyResultFile()
    If resultState = ResultRefused Then MsgBox text, vbExclamation, "bridgebook"
    Application.StatusBar = text
End Sub

' ファイルのまだ取り込んでいない value 行をセルに書き、ステータス バーの文を返します。
Public Function ApplyResultFile() As String
    Dim text As String
    Dim fileNumber As Integer
    Dim size As Long, consumed As Long, index As Long, applied As Long
    Dim line As String, ending As String
    Dim fields As Variant
    Dim added As Long, values As Long, direct As Long
    resultState = ResultWaiting
    If Len(Dir(ResultPath())) = 0 Then
        ApplyResultFile = "CAD の値を待っています（gaugeread_result.txt はまだありません）。"
        Exit Function
    End If
    applied = Val(Sheet3.Range(AppliedCell).Value)
    On Error GoTo Unreadable ' CAD が書き込み中、セルが保護されている、など
    fileNumber = FreeFile
    Open ResultPath() For Input As #fileNumber
    size = LOF(fileNumber)
    Do While Not EOF(fileNumber) And Len(ending) = 0
        Line Input #fileNumber, line
        consumed = consumed + Len(line) + 2
        If consumed > size Then Exit Do ' CAD が書いている途中の行
        index = index + 1
        fields = Split(line, " ")
        If Not ResultLineValid(index, fields) Then
            Close #fileNumber
            text = Replace(Replace("gaugeread_result.txt の 〈行〉 行目「〈内容〉」は、この依頼の結果として読めません（「寸法」シートの行 〈依頼行〉、列 〈依頼列〉）。取り込みをやめました。", "〈行〉", index), "〈内容〉", line)
            ApplyResultFile = Replace(Replace(text, "〈依頼行〉", Sheet3.Range("B4").Text), "〈依頼列〉", Sheet3.Range("B5").Text)
            resultState = ResultRefused
            Exit Function
        End If
        Select Case fields(0)
        Case "value"
            values = values + 1
            If index > applied Then
                Sheet3.Cells(CLng(fields(1)), CLng(fields(2))).Value = Val(fields(3))
                added = added + 1
                Sheet3.Range(AppliedCell).Value = index
            End If
        Case "written"
            direct = direct + 1
        Case "end", "cancelled", "failed"
            ending = fields(0)
        End Select
    Loop
    Close #fileNumber
    If index > applied Then Sheet3.Range(AppliedCell).Value = index
    Select Case ending
    Case "end"
        text = "CAD の値の取り込みが終わりました: 新しく 〈個数〉 個をセルに書きました（ファイルの値 〈値〉 個、CAD が直接書き込んだ値 〈直接〉 個）。"
    Case "cancelled"
        text = "CAD で中止されました: 新しく 〈個数〉 個をセルに書きました（ファイルの値 〈値〉 個、CAD が直接書き込んだ値 〈直接〉 個）。"
    Case "failed"
        text = "CAD でエラーになりました: 新しく 〈個数〉 個をセルに書きました（ファイルの値 〈値〉 個、CAD が直接書き込んだ値 〈直接〉 個）。CAD のメッセージを確かめてください。"
    Case Else
        text = "CAD の値を取り込んでいます: ファイルの値 〈値〉 個、CAD が直接書き込んだ値 〈直接〉 個。"
    End Select
    ApplyResultFile = Replace(Replace(Replace(text, "〈個数〉", added), "〈値〉", values), "〈直接〉", direct)
    resultState = IIf(Len(ending) > 0, ResultEnded, ResultOpen)
    Exit Function
Unreadable:
    ApplyResultFile = Replace("gaugeread_result.txt を取り込めません（〈理由〉）。見張りの間は読み直します。", "〈理由〉", Err.Description)
    resultState = ResultOpen
    On Error Resume Next
    Close #fileNumber
End Function

' 1 行目は依頼の行・列と同じ start、あとは値の行か終わりの行。
Private Function ResultLineValid(ByVal index As Long, ByVal fields As Variant) As Boolean
    If UBound(fields) < 1 Then Exit Function
    If index = 1 Then
        If UBound(fields) <> 3 Then Exit Function
        ResultLineValid = fields(0) = "start" And fields(2) = Trim(Sheet3.Range("B4").Text) And _
            fields(3) = Trim(Sheet3.Range("B5").Text)
        Exit Function
    End If
    Select Case fields(0)
    Case "value", "written"
        If UBound(fields) <> 3 Then Exit Function
        If Not WholeNumber(fields(1), 1048576) Or Not WholeNumber(fields(2), 16384) Then Exit Function
        ResultLineValid = OnlyOf(fields(3), "0123456789.-")
    Case "end", "cancelled", "failed"
        ResultLineValid = UBound(fields) = 1 And OnlyOf(fields(1), "0123456789")
    End Select
End Function

Private Function WholeNumber(ByVal text As String, ByVal limit As Long) As Boolean
    If Len(text) > 7 Or Not OnlyOf(text, "0123456789") Then Exit Function
    WholeNumber = CLng(text) >= 1 And CLng(text) <= limit
End Function

' 空でなく、allowed の文字だけでできているか。
Private Function OnlyOf(ByVal text As String, ByVal allowed As String) As Boolean
    Dim index As Long
    If Len(text) = 0 Then Exit Function
    For index = 1 To Len(text)
        If InStr(allowed, Mid(text, index, 1)) = 0 Then Exit Function
    Next index
    OnlyOf = True
End Function
