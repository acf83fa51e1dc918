# The summary by field, its graph and its print.
target_sources(zendrova_output PRIVATE
  SummaryList.cpp SummaryList.h
  SummaryCount.cpp SummaryCount.h
  SummaryDialogModel.cpp SummaryDialogModel.h
  GraphPoints.cpp GraphPoints.h
  GraphPaging.cpp GraphPaging.h
  GraphModel.cpp GraphModel.h
  SummaryPrint.cpp SummaryPrint.h)
target_link_libraries(zendrova_output PUBLIC zendrova_printengine)

# The Summary and Summary Graph dialogs; the graph draws with Qt Charts.
if(NOT TARGET zendrova_output_ui)
  add_library(zendrova_output_ui STATIC)
  target_link_libraries(zendrova_output_ui PUBLIC zendrova_output zendrova_common_ui Qt6::Widgets)
endif()
target_sources(zendrova_output_ui PRIVATE
  ui/GraphChart.cpp ui/GraphChart.h
  ui/TPieGraphDlg.cpp ui/TPieGraphDlg.h
  ui/TSummaryDlg.cpp ui/TSummaryDlg.h)
target_link_libraries(zendrova_output_ui PUBLIC Qt6::Charts PRIVATE Qt6::PrintSupport)
