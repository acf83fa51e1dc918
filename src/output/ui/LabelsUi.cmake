target_sources(zendrova_output_ui PRIVATE
  LabelDlgPages.cpp
  NumberKeyFilter.cpp NumberKeyFilter.h
  TLabelDlg.cpp TLabelDlg.h
  TLabelLoadDlg.cpp TLabelLoadDlg.h)
