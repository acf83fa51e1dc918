zendrova_add_test(output_label_files_test
  SOURCES LabelFileTest.cpp LabelStockFileTest.cpp
  LIBS zendrova_output)

zendrova_add_test(output_label_dialog_logic_test QT
  SOURCES LabelFieldListTest.cpp LabelDialogModelTest.cpp LabelTemplatesTest.cpp
  LIBS zendrova_output)

zendrova_add_test(output_label_run_test QT
  SOURCES LabelRunFixture.h LabelRunTest.cpp
  LIBS zendrova_output zendrova_cardgen)

zendrova_add_test(output_label_dialog_widget_test QT
  SOURCES LabelRunFixture.h LabelDialogWidgetTest.cpp
  LIBS zendrova_output_ui zendrova_cardgen)
# The runs generate cards from the template tables beside the program.
add_dependencies(output_label_run_test zendrova_templates)
add_dependencies(output_label_dialog_widget_test zendrova_templates)
