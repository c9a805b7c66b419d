# Lists the payload files that the installation folder does not hold yet.
# Run with -DDIST=<folder>. The order is the one setupkit copies in.
set(payload
    sheetbridge.exe drawpull.exe delay.dat labelpen.exe excel_install_dir.lsp
    "EXCELマクロエラー.pdf" gaugeread.exe gaugeread_int.dat gaugereadint.dcl
    gaugereadint.lsp qv.lsp qvpos.lsp setupguide.pdf "Quillon連携.pdf" noticepop.exe
    zuduv.ini plotseed.dwg pinmark.exe bridgebook.xlsm)
set(missing)
foreach(name ${payload})
  if(NOT EXISTS "${DIST}/${name}")
    list(APPEND missing ${name})
  endif()
endforeach()
if(missing)
  list(JOIN missing ", " text)
  message(STATUS "Installation folder ${DIST} still lacks: ${text}")
endif()
