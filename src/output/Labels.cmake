# Label stock, label definitions and their templates, the label dialog's rules
# and the label run.
target_link_libraries(zendrova_output PUBLIC zendrova_printengine)
target_sources(zendrova_output PRIVATE
  LabelDialogContext.cpp LabelDialogContext.h
  LabelDialogModel.cpp LabelDialogModel.h
  LabelFieldList.cpp LabelFieldList.h
  LabelFile.cpp LabelFile.h
  LabelLines.cpp LabelLines.h
  LabelNumbers.cpp LabelNumbers.h
  LabelPrinting.cpp LabelPrinting.h
  LabelRun.cpp LabelRun.h
  LabelStockFile.cpp LabelStockFile.h
  LabelTemplates.cpp LabelTemplates.h
  TLabelList.cpp TLabelList.h
  TLabelRec.h)

# The stock files ship beside the program.
foreach(stock av_na.ini av_eu.ini)
  configure_file(${CMAKE_CURRENT_SOURCE_DIR}/stock/${stock}
    ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${stock} COPYONLY)
endforeach()
