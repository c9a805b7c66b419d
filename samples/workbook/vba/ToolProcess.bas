Attribute VB_Name = "ToolProcess"
' 起動したツールの終了を上限の時間まで待って終了コードを読み、その終わり方を
' 1 行の文にします。Windows の API を呼ぶのはこのモジュールだけです（32 ビット版・
' 64 ビット版の Office のどちらでも動くよう、VBA7 では PtrSafe と LongPtr で宣言します）。
Option Explicit

#If VBA7 Then
Private Declare PtrSafe Function OpenProcess Lib "kernel32" (ByVal dwDesiredAccess As Long, ByVal bInheritHandle As Long, ByVal dwProcessId As Long) As LongPtr
Private Declare PtrSafe Function WaitForSingleObject Lib "kernel32" (ByVal hHandle As LongPtr, ByVal dwMilliseconds As Long) As Long
Private Declare PtrSafe Function GetExitCodeProcess Lib "kernel32" (ByVal hProcess As LongPtr, ByRef lpExitCode As Long) As Long
Private Declare PtrSafe Function CloseHandle Lib "kernel32" (ByVal hObject As LongPtr) As Long
#Else
Private Declare Function OpenProcess Lib "kernel32" (ByVal dwDesiredAccess As Long, ByVal bInheritHandle As Long, ByVal dwProcessId As Long) As Long
Private Declare Function WaitForSingleObject Lib "kernel32" (ByVal hHandle As Long, ByVal dwMilliseconds As Long) As Long
Private Declare Function GetExitCodeProcess Lib "kernel32" (ByVal hProcess As Long, ByRef lpExitCode As Long) As Long
Private Declare Function CloseHandle Lib "kernel32" (ByVal hObject As Long) As Long
#End If

Private Const AccessSynchronize As Long = &H100000
Private Const AccessQueryLimitedInformation As Long = &H1000
Private Const WaitObjectSignaled As Long = 0
Private Const WaitSliceMs As Long = 50

' ツールの終了を待つ上限: ツールどうしの順番待ち（10 秒）と CAD への操作に、
' 利用者がツールのメッセージを読む時間を足した長さです。
Public Const ToolWaitSeconds As Long = 60

' WaitForTool の結果。
Public Const ToolEnded As Long = 0
Public Const ToolStillRunning As Long = 1
Public Const ToolUnwatched As Long = 2

' Shell が返したタスク ID のプロセスを boundSeconds 秒まで待ちます。待つ間も
' Excel はメッセージを処理します（ツールがクリップボードを空にするとき、
' クリップボードの持ち主の Excel に応答を求めるため）。終わったときは
' exitCode に終了コードを入れて ToolEnded を返します。
Public Function WaitForTool(ByVal taskId As Double, ByVal boundSeconds As Long, ByRef exitCode As Long) As Long
    Dim process As Variant
    Dim started As Single
    Dim waited As Single
    WaitForTool = ToolUnwatched
    process = OpenProcess(AccessSynchronize Or AccessQueryLimitedInformation, 0, CLng(taskId))
    If process = 0 Then Exit Function
    On Error GoTo Closing
    started = Timer
    Do
        If WaitForSingleObject(process, WaitSliceMs) = WaitObjectSignaled Then
            If GetExitCodeProcess(process, exitCode) <> 0 Then WaitForTool = ToolEnded
            GoTo Closing
        End If
        DoEvents
        waited = Timer - started
        If waited < 0 Then waited = waited + 86400 ' 午前 0 時をまたいだとき
    Loop While waited < boundSeconds
    WaitForTool = ToolStillRunning
Closing:
    CloseHandle process
End Function

' ツールの終わり方を示す 1 行。終了コードの表は Quillon連携.pdf と同じです。
Public Function ToolEndText(ByVal exeName As String, ByVal outcome As Long, ByVal exitCode As Long) As String
    Dim text As String
    If outcome = ToolStillRunning Then
        text = Replace("〈ツール〉 は 〈秒数〉 秒たっても終わっていません。ツールのメッセージが出ていないか確かめてください。", "〈秒数〉", ToolWaitSeconds)
    ElseIf outcome <> ToolEnded Then
        text = "〈ツール〉 の終了を確かめられませんでした。"
    ElseIf exitCode = 0 Then
        text = "〈ツール〉: 読み込みコマンドを CAD に貼り付けました。"
    Else
        text = Replace(Replace("〈ツール〉 が止まりました: 〈種類〉（終了コード 〈コード〉）", "〈種類〉", StopKindName(exitCode)), "〈コード〉", exitCode)
    End If
    ToolEndText = Replace(text, "〈ツール〉", exeName)
End Function

Private Function StopKindName(ByVal exitCode As Long) As String
    Select Case exitCode
    Case 2
        StopKindName = "入力の誤り"
    Case 3
        StopKindName = "設定の誤り"
    Case 4
        StopKindName = "CAD が見つからない"
    Case 5
        StopKindName = "CAD が管理者として実行中"
    Case 6
        StopKindName = "CAD が応答しない"
    Case 7
        StopKindName = "CAD が途中で閉じた・前面から外れた"
    Case 8
        StopKindName = "別のツールが実行中"
    Case 9
        StopKindName = "クリップボードが使用中"
    Case 10
        StopKindName = "出力ファイルを書き込めない"
    Case 11
        StopKindName = "コマンド ラインに入力できない"
    Case Else
        ' 1、および異常終了したときの Windows の例外コード
        StopKindName = "予期しないエラー"
    End Select
End Function
