# The summary by field, its graph and its print.
target_sources(zendrova_output PRIVATE
  SummaryList.cpp SummaryList.h
  SummaryCount.cpp SummaryCount.h
  SummaryDialogModel.cpp SummaryDialogModel.h
  GraphPoints.cpp GraphPoints.h
  GraphPaging.cpp GraphPaging.h)
