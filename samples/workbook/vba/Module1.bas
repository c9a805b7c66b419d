Attribute VB_Name = "Module1"
' bridgebook - Excel連携ツールの見本ブック
'
' 各シートの内容をツールの入力ファイル（Shift-JIS、行末 CR LF）に書き、
' このブックと同じフォルダーにあるツールを起動して、その終了を待ちます。
' ブックはツールのインストール先フォルダーに置きます。
'
' 利用者に見せる文は、差し込む値を 〈名前〉 の形で書き、Replace で値を入れます。
' 文の一覧は dist/docs/messages/workbook.tsv にあります。
Option Explicit

Private Const ToolTitle As String = "bridgebook"
Private Const MaxDataRows As Long = 100
Private Const FirstDataRow As Long = 6

Private toolRunning As Boolean

' 座標シート: B3 のモード（node / line）と、6 行目からの X・Y・Z。
Public Sub DrawCoordinates()
    Dim lines As New Collection
    Dim row As Long
    Dim x As String, y As String, z As String
    If Not ToolReady("pinmark.exe") Then Exit Sub
    If Not ReadText(Sheet1.Range("B3"), x) Then Exit Sub
    lines.Add x
    row = FirstDataRow
    Do
        If Not ReadNumber(Sheet1.Cells(row, 1), x) Then Exit Sub
        If Len(x) = 0 Then Exit Do
        If lines.Count > MaxDataRows Then
            MsgBox Replace(Replace("座標は 〈最大行数〉 行までです（〈行〉 行目）。", "〈最大行数〉", MaxDataRows), "〈行〉", row), vbExclamation, ToolTitle
            Exit Sub
        End If
        If Not ReadNumber(Sheet1.Cells(row, 2), y) Then Exit Sub
        If Not ReadNumber(Sheet1.Cells(row, 3), z) Then Exit Sub
        If Len(z) > 0 Then y = y & "," & z
        lines.Add x & "," & y
        row = row + 1
    Loop
    If WriteToolInput("senten.txt", lines) Then StartTool "pinmark.exe", ""
End Sub

' 文字シート: B3 の高さ、B4 の角度、6 行目からの文字。
Public Sub PlaceTexts()
    Dim lines As New Collection
    Dim row As Long
    Dim height As String, angle As String, label As String
    If Not ToolReady("labelpen.exe") Then Exit Sub
    If Not ReadNumber(Sheet2.Range("B3"), height) Then Exit Sub
    If Not ReadNumber(Sheet2.Range("B4"), angle) Then Exit Sub
    lines.Add height & " " & angle
    row = FirstDataRow
    Do
        If Not ReadText(Sheet2.Cells(row, 1), label) Then Exit Sub
        If Len(label) = 0 Then Exit Do
        If lines.Count > MaxDataRows Then
            MsgBox Replace(Replace("文字は 〈最大行数〉 行までです（〈行〉 行目）。", "〈最大行数〉", MaxDataRows), "〈行〉", row), vbExclamation, ToolTitle
            Exit Sub
        End If
        lines.Add label
        row = row + 1
    Loop
    If WriteToolInput("mojidata.txt", lines) Then StartTool "labelpen.exe", ""
End Sub

' 寸法シート: B3 の式、B4 の行、B5 の列と、このブックのパス。前の結果ファイルを
' 消してから依頼し、CAD が値を gaugeread_result.txt で届けるときに備えて見張ります。
Public Sub RequestDimension()
    Dim arguments As String
    If Not ToolReady("gaugeread.exe") Then Exit Sub
    arguments = DimensionRequestArguments()
    If Len(arguments) = 0 Then Exit Sub
    If Not DimensionResult.ForgetResult() Then Exit Sub
    If StartTool("gaugeread.exe", arguments) Then DimensionResult.WatchResult
End Sub

' gaugeread に渡す 4 つの値。入力に誤りがあれば、それを示して空を返します。
Public Function DimensionRequestArguments() As String
    Dim expr As String, rowText As String, colText As String
    If Not ReadText(Sheet3.Range("B3"), expr) Then Exit Function
    If Not ReadText(Sheet3.Range("B4"), rowText) Then Exit Function
    If Not ReadText(Sheet3.Range("B5"), colText) Then Exit Function
    If InStr(expr & rowText & colText, " ") > 0 Or Len(expr) = 0 Then
        MsgBox "式・行・列は空白を含まない値で入力してください。", vbExclamation, ToolTitle
        Exit Function
    End If
    DimensionRequestArguments = expr & " " & rowText & " " & colText & " """ & ThisWorkbook.FullName & """"
End Function

' セルの表示どおりの文字列（文字列の書式のセルでは入力したとおり）。
Private Function ReadText(ByVal cell As Range, ByRef text As String) As Boolean
    If CellHoldsError(cell) Then Exit Function
    text = cell.Text
    ReadText = True
End Function

' 数値のセルは小数点を「.」にした数値の文字列、空のセルは空、それ以外は
' 入力された文字列（ツールが数値かどうかを確かめます）。
Private Function ReadNumber(ByVal cell As Range, ByRef text As String) As Boolean
    Dim value As Variant
    If CellHoldsError(cell) Then Exit Function
    value = cell.Value
    Select Case VarType(value)
    Case vbEmpty
        text = ""
    Case vbInteger, vbLong, vbSingle, vbDouble, vbCurrency, vbDecimal
        text = LispNumberText(value)
    Case Else
        text = CStr(value)
    End Select
    ReadNumber = True
End Function

' Str は小数点に常に「.」を使います（CStr は地域の設定に従います）。AutoLISP は
' 「.5」を数値と読まないので、整数部の 0 を補います。
Public Function LispNumberText(ByVal value As Variant) As String
    Dim text As String
    text = Trim(Str(value))
    If Left(text, 1) = "." Then
        text = "0" & text
    ElseIf Left(text, 2) = "-." Then
        text = "-0" & Mid(text, 2)
    End If
    LispNumberText = text
End Function

' エラー値（#N/A など）のセルは、どのセルかを示します。
Private Function CellHoldsError(ByVal cell As Range) As Boolean
    If Not IsError(cell.Value) Then Exit Function
    MsgBox Replace(Replace(Replace("シート「〈シート〉」のセル 〈セル〉 がエラー値 〈値〉 です。値を直してから、もう一度実行してください。", _
        "〈シート〉", cell.Worksheet.Name), "〈セル〉", cell.Address(False, False)), "〈値〉", cell.Text), vbExclamation, ToolTitle
    CellHoldsError = True
End Function

'' ブックと同じフォルダーにあるファイルのパス。
Private Function InBookFolder(ByVal fileName As String) As String
    InBookFolder = ThisWorkbook.Path & Application.PathSeparator & fileName
End Function

' ツールがブックと同じフォルダーにあるかを確かめます。
Private Function ToolReady(ByVal exeName As String) As Boolean
    If Len(ThisWorkbook.Path) = 0 Then
        MsgBox "ブックを保存してから実行してください。ツールはブックと同じフォルダーから起動します。", vbExclamation, ToolTitle
        Exit Function
    End If
    If toolRunning Then
        MsgBox "ツールの終了を待っています。終わってから、もう一度実行してください。", vbExclamation, ToolTitle
        Exit Function
    End If
    If Len(Dir(InBookFolder(exeName))) = 0 Then
        MsgBox Replace("〈ツール〉 が見つかりません。", "〈ツール〉", exeName) & vbCrLf & ThisWorkbook.Path & vbCrLf & _
            "ブックをツールのインストール先フォルダーに置いてください。", vbExclamation, ToolTitle
        Exit Function
    End If
    ToolReady = True
End Function

' 入力ファイルをブックのフォルダーに書きます。書けないときは理由を示します。
Private Function WriteToolInput(ByVal fileName As String, ByVal lines As Collection) As Boolean
    Dim fileNumber As Integer
    Dim line As Variant
    On Error GoTo Failed
    fileNumber = FreeFile
    Open InBookFolder(fileName) For Output As #fileNumber
    For Each line In lines
        Print #fileNumber, line
    Next line
    Close #fileNumber
    WriteToolInput = True
    Exit Function
Failed:
    MsgBox Replace("〈ファイル〉 を書き込めませんでした。", "〈ファイル〉", fileName) & vbCrLf & ThisWorkbook.Path & vbCrLf & _
        Err.Description, vbExclamation, ToolTitle
    On Error Resume Next
    Close #fileNumber
End Function

' ツールを起動して終了を待ち、結果をステータス バーに示します。止まった理由は
' ツール自身がメッセージで示したので、ここでは終了コードの種類だけを示します。
' 待つ間は砂時計のカーソルにし、どの道筋でも元に戻します。終了コード 0 で True。
Private Function StartTool(ByVal exeName As String, ByVal arguments As String) As Boolean
    Dim commandLine As String
    Dim taskId As Double
    Dim exitCode As Long
    Dim outcome As Long
    commandLine = """" & InBookFolder(exeName) & """"
    If Len(arguments) > 0 Then commandLine = commandLine & " " & arguments
    Application.StatusBar = False
    On Error GoTo NotStarted
    taskId = Shell(commandLine, vbNormalFocus)
    On Error GoTo NotWatched
    toolRunning = True
    Application.Cursor = xlWait
    outcome = WaitForTool(taskId, ToolWaitSeconds, exitCode)
    Application.Cursor = xlDefault
    toolRunning = False
    Application.StatusBar = ToolEndText(exeName, outcome, exitCode)
    StartTool = outcome = ToolEnded And exitCode = 0
    Exit Function
NotStarted:
    MsgBox Replace("〈ツール〉 を起動できませんでした。", "〈ツール〉", exeName) & vbCrLf & Err.Description, vbExclamation, ToolTitle
    Exit Function
NotWatched:
    Application.Cursor = xlDefault
    toolRunning = False
    Application.StatusBar = ToolEndText(exeName, ToolUnwatched, 0)
End Function
