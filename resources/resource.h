// Resource and control ids shared by lumetrix.rc and the program code.
// Plain #defines only: this header is also read by the resource compiler.
#ifndef LUMETRIX_RESOURCE_H
#define LUMETRIX_RESOURCE_H

// Dialog templates and strings
#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_MAIN 102
#define IDS_ROOM 103
#define IDD_ROOM 104

// Program icon
#define IDR_MAINFRAME 128

// Pictures of the focused quantity, 379 x 159 pixels each
#define IDB_PICTURE_NONE 129
#define IDB_BEAM_ANGLE 131
#define IDB_SOLID_ANGLE 132
#define IDB_LIT_AREA 133
#define IDB_HEIGHT 134
#define IDB_DIAMETER 135
#define IDB_ROOM_AREA 136
#define IDB_ROOM_EFFICIENCY 137
#define IDB_LAMP_EFFICIENCY 138

// System menu item that opens the about box (the low four bits stay clear for the system)
#define IDM_ABOUTBOX 0x0010
// System menu item under it that opens the room dialog
#define IDM_ROOM 0x0020

// "Vorgabe" checkboxes, one per quantity
#define IDC_GIVEN_INTENSITY 1000
#define IDC_GIVEN_FLUX 1001
#define IDC_GIVEN_ILLUMINANCE 1002
#define IDC_GIVEN_BEAM_ANGLE 1003
#define IDC_GIVEN_SOLID_ANGLE 1004
#define IDC_GIVEN_LIT_AREA 1005
#define IDC_GIVEN_HEIGHT 1006
#define IDC_GIVEN_DIAMETER 1007
#define IDC_GIVEN_POWER 1008
#define IDC_GIVEN_EFFICACY 1009
#define IDC_GIVEN_ROOM_AREA 1030
#define IDC_GIVEN_HOURS_PER_DAY 1031
#define IDC_GIVEN_DAYS_PER_YEAR 1032
#define IDC_GIVEN_HOURS_PER_YEAR 1033
#define IDC_GIVEN_ROOM_ILLUMINANCE 1034
#define IDC_GIVEN_LAMP_COUNT 1035
#define IDC_GIVEN_LAMP_LIFE 1036
#define IDC_GIVEN_LAMP_PRICE 1037
#define IDC_GIVEN_ELECTRICITY_PRICE 1038
#define IDC_GIVEN_OPERATING_COST 1039
#define IDC_GIVEN_LAMP_EFFICIENCY 1045
#define IDC_GIVEN_ROOM_EFFICIENCY 1047
#define IDC_GIVEN_MAINTENANCE_FACTOR 1052

// Value fields, one per quantity (height comes before lit area in the id order)
#define IDC_EDIT_INTENSITY 1010
#define IDC_EDIT_FLUX 1011
#define IDC_EDIT_ILLUMINANCE 1012
#define IDC_EDIT_BEAM_ANGLE 1013
#define IDC_EDIT_SOLID_ANGLE 1014
#define IDC_EDIT_HEIGHT 1015
#define IDC_EDIT_LIT_AREA 1016
#define IDC_EDIT_DIAMETER 1017
#define IDC_EDIT_POWER 1018
#define IDC_EDIT_EFFICACY 1019
#define IDC_EDIT_ROOM_AREA 1020
#define IDC_EDIT_HOURS_PER_DAY 1021
#define IDC_EDIT_DAYS_PER_YEAR 1022
#define IDC_EDIT_HOURS_PER_YEAR 1023
#define IDC_EDIT_ROOM_ILLUMINANCE 1024
#define IDC_EDIT_LAMP_COUNT 1025
#define IDC_EDIT_LAMP_LIFE 1026
#define IDC_EDIT_LAMP_PRICE 1027
#define IDC_EDIT_ELECTRICITY_PRICE 1028
#define IDC_EDIT_OPERATING_COST 1029
#define IDC_EDIT_LAMP_EFFICIENCY 1042
#define IDC_EDIT_ROOM_EFFICIENCY 1046
#define IDC_EDIT_MAINTENANCE_FACTOR 1051

// Buttons, help panel and picture
#define IDC_LOAD 1040
#define IDC_SAVE 1041
#define IDC_HELP_TEXT 1043
#define IDC_PICTURE 1044
#define IDC_DATABASE 1048
#define IDC_ROOM 1049

// The about box's text, filled in from the version record
#define IDC_ABOUT_TEXT 1050

// The room dialog: the room's inputs, the usual reflectance sets, and what follows from them
#define IDC_ROOM_LENGTH 1060
#define IDC_ROOM_WIDTH 1061
#define IDC_ROOM_HEIGHT 1062
#define IDC_ROOM_WORK_PLANE 1063
#define IDC_ROOM_SUSPENSION 1064
#define IDC_ROOM_CEILING 1065
#define IDC_ROOM_WALLS 1066
#define IDC_ROOM_FLOOR 1067
#define IDC_ROOM_MAINTENANCE 1068
#define IDC_ROOM_REFLECTANCE_SETS 1069
#define IDC_ROOM_LIGHT_POINT_HEIGHT 1070
#define IDC_ROOM_INDEX 1071
#define IDC_ROOM_DIRECT_RATIO 1072
#define IDC_ROOM_DOWNWARD_SHARE 1073
#define IDC_ROOM_EFFICIENCY 1074
#define IDC_ROOM_SOURCE 1075
#define IDC_ROOM_NOTE 1076
#define IDC_ROOM_LAMPS 1077
#define IDC_ROOM_MAINTAINED 1079
#define IDC_ROOM_ROWS 1080
#define IDC_ROOM_COLUMNS 1081
#define IDC_ROOM_PLACED 1082

// Controls of the choice dialog, whose template the program builds itself
// (ui/ChoiceDialogTemplate.cpp)
#define IDC_CHOICE_PROMPT 1131
#define IDC_CHOICE_LIST 1132     // fixed drop-down list, the one this program uses
#define IDC_CHOICE_EDITABLE 1133 // editable combobox on top of it, never shown

// The file dialog's completion list, a popup whose list box reports to the dialog under this id
#define IDC_COMPLETION_LIST 1408

#endif
