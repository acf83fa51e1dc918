target_sources(zendrova_output_ui PRIVATE
  LabelDialogRun.cpp LabelDialogRun.h
  LabelDlgPages.cpp
  NumberKeyFilter.cpp NumberKeyFilter.h
  TLabelDlg.cpp TLabelDlg.h
  TLabelLoadDlg.cpp TLabelLoadDlg.h)
