zendrova_add_test(output_summary_test QT
  SOURCES ../support/DatabaseFixture.h SummaryListTest.cpp SummaryCountTest.cpp
    GraphPointsTest.cpp SummaryPrintTest.cpp
  LIBS zendrova_output)

zendrova_add_test(output_summary_dialogs_test QT
  SOURCES ../support/DatabaseFixture.h SummaryDialogsTest.cpp
  LIBS zendrova_output_ui Qt6::Charts)
