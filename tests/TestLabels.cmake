# Gives each native test the label of the part of the program it checks, by its suite's name,
# so that one part's tests run alone: ctest --preset native -L engine. Run by ctest after the
# suites' tests are listed (lumetrix_tests_TESTS and lumetrix_completion_tests_TESTS). A new
# suite goes into one of these lists; one in none is labeled "unlabeled".
set(engine_suites
    Catalogue FormulaEvaluator FormulaNetwork Recalculation SolverRules RoleResolution
    SolverProperties ValueStore MathsTest DecimalConversionTest CommandLineTest Windows1252
    FastNaturalCompareTest NaturalCompareLetters NaturalCompareNumbers NaturalComparePunctuation
    NaturalTextOrderTest TextListGrowth TextListInsert TextListSort TextListSplit PdfWriter PdfTools)
set(photometry_suites PhotometricFiles LampPlan RoomMethod WorkPlaneIlluminance)
set(io_suites DataFileReading DataFileRoom DataFileText DataFileValue LightDatabase LampFile
              LampFolder LampFolderTest PlannerFolderTest)
set(ui_suites
    Calculation ChoiceDialog ChoiceDialogTest DataFileCommandTest DialogOfferTest
    DatabaseCommandTest MainDialogTest NumericFieldExchangeTest NumericText RoomDialogTest
    RoomFields OfficeTest UnsavedChangesTest CompletionListTest FileDialogSizeTest FolderHistoryTest
    FolderMenuTest CompletionMatch CompletionName CompletionSession CompletionWorkerTest
    CompletionWorkerThreads)
set(framework_suites AppNameTest FrameworkTest InMemoryTemplate ResourceScript MessageBoxInputTest
                     UserInputTest WindowApiTest FilesTest TornFileCheckTest)
set(cli_suites CliRoundTrip ScriptReader RandomScriptOutputs)

foreach(test IN LISTS lumetrix_tests_TESTS lumetrix_completion_tests_TESTS)
  string(REGEX REPLACE "\\..*" "" suite "${test}")
  set(label unlabeled)
  foreach(part engine photometry io ui framework cli)
    list(FIND ${part}_suites "${suite}" found)
    if(NOT found EQUAL -1)
      set(label ${part})
    endif()
  endforeach()
  set_tests_properties("${test}" PROPERTIES LABELS ${label})
endforeach()
