Attribute VB_Name = "Module1"
' bridgebook - Excel連携ツールの見本ブック
'
' 各シートの内容をツールの入力ファイル（Shift-JIS、行末 CR LF）に書き、
' このブックと同じフォルダにあるツールを起動します。ブックはツールの
' インストール先フォルダに置いて使います。
Option Explicit

Private Const ToolTitle As String = "bridgebook"
Private Const MaxDataRows As Long = 100
Private Const FirstDataRow As Long = 6

' 座標シート: B3 のモード（node / line）と、6 行目からの X・Y・Z。
Public Sub DrawCoordinates()
    Dim lines As New Collection
    Dim row As Long
    If Not ToolReady("pinmark.exe") Then Exit Sub
    lines.Add CStr(Sheet1.Range("B3").Value)
    row = FirstDataRow
    Do While Len(CStr(Sheet1.Cells(row, 1).Value)) > 0
        If lines.Count > MaxDataRows Then
            MsgBox "座標は " & MaxDataRows & " 行までです（" & row & " 行目）。", vbExclamation, ToolTitle
            Exit Sub
        End If
        lines.Add PointText(Sheet1.Cells(row, 1).Value, Sheet1.Cells(row, 2).Value, Sheet1.Cells(row, 3).Value)
        row = row + 1
    Loop
    If WriteToolInput("senten.txt", lines) Then StartTool "pinmark.exe", ""
End Sub

' 文字シート: B3 の高さ、B4 の角度、6 行目からの文字。
Public Sub PlaceTexts()
    Dim lines As New Collection
    Dim row As Long
    If Not ToolReady("labelpen.exe") Then Exit Sub
    lines.Add CStr(Sheet2.Range("B3").Value) & " " & CStr(Sheet2.Range("B4").Value)
    row = FirstDataRow
    Do While Len(CStr(Sheet2.Cells(row, 1).Value)) > 0
        If lines.Count > MaxDataRows Then
            MsgBox "文字は " & MaxDataRows & " 行までです（" & row & " 行目）。", vbExclamation, ToolTitle
            Exit Sub
        End If
        lines.Add CStr(Sheet2.Cells(row, 1).Value)
        row = row + 1
    Loop
    If WriteToolInput("mojidata.txt", lines) Then StartTool "labelpen.exe", ""
End Sub

' 寸法シート: B3 の式、B4 の行、B5 の列と、このブックのパス。
Public Sub RequestDimension()
    Dim expr As String, rowText As String, colText As String
    If Not ToolReady("gaugeread.exe") Then Exit Sub
    expr = CStr(Sheet3.Range("B3").Value)
    rowText = CStr(Sheet3.Range("B4").Value)
    colText = CStr(Sheet3.Range("B5").Value)
    If InStr(expr & rowText & colText, " ") > 0 Or Len(expr) = 0 Then
        MsgBox "式・行・列は空白を含まない値で入力してください。", vbExclamation, ToolTitle
        Exit Sub
    End If
    StartTool "gaugeread.exe", expr & " " & rowText & " " & colText & " """ & ThisWorkbook.FullName & """"
End Sub

Private Function PointText(ByVal x As Variant, ByVal y As Variant, ByVal z As Variant) As String
    PointText = CStr(x) & "," & CStr(y)
    If Len(CStr(z)) > 0 Then PointText = PointText & "," & CStr(z)
End Function

'' ブックと同じフォルダにあるファイルのパス。
Private Function InBookFolder(ByVal fileName As String) As String
    InBookFolder = ThisWorkbook.Path & Application.PathSeparator & fileName
End Function

' ツールがブックと同じフォルダにあるかを確かめます。
Private Function ToolReady(ByVal exeName As String) As Boolean
    If Len(ThisWorkbook.Path) = 0 Then
        MsgBox "ブックを保存してから実行してください。ツールはブックと同じフォルダから起動します。", vbExclamation, ToolTitle
        Exit Function
    End If
    If Len(Dir(InBookFolder(exeName))) = 0 Then
        MsgBox exeName & " が見つかりません。" & vbCrLf & ThisWorkbook.Path & vbCrLf & _
            "ブックをツールのインストール先フォルダに置いてください。", vbExclamation, ToolTitle
        Exit Function
    End If
    ToolReady = True
End Function

' 入力ファイルをブックのフォルダに書きます（Excel の Print # は行末を CR LF にします）。書けないときは理由を示します。
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
    MsgBox fileName & " を書き込めませんでした。" & vbCrLf & ThisWorkbook.Path & vbCrLf & _
        Err.Description, vbExclamation, ToolTitle
    On Error Resume Next
    Close #fileNumber
End Function

Private Sub StartTool(ByVal exeName As String, ByVal arguments As String)
    Dim commandLine As String
    commandLine = """" & InBookFolder(exeName) & """"
    If Len(arguments) > 0 Then commandLine = commandLine & " " & arguments
    On Error GoTo Failed
    Shell commandLine, vbNormalFocus
    Exit Sub
Failed:
    MsgBox exeName & " を起動できませんでした。" & vbCrLf & Err.Description, vbExclamation, ToolTitle
End Sub
