// gaugereadint.dcl - 寸法値の桁数を設定するダイアログ（GAUGEREADINT コマンド）
gaugereadint : dialog {
  label = "寸法値の設定";
  : boxed_column {
    label = "Excel へ返す寸法値";
    : edit_box {
      key = "digits";
      label = "小数点以下の桁数 (0～8):";
      edit_width = 4;
      edit_limit = 1;
    }
    : text {
      key = "message";
      width = 36;
    }
  }
  ok_cancel;
}
