#pragma once
// Numeric identifiers of the main window's controls. Everything that reaches a
// control (the editor logic, the view, the tests) names it by one of these.
namespace sw::ctl {

// File and view commands.
constexpr int OpenLayout = 1026;
constexpr int SaveLayout = 1015;
constexpr int Print = 1140;
constexpr int WhitePrint = 1142;
constexpr int VerticalGrid = 1102;
constexpr int HelpVideos = 1110;
constexpr int Exit = 1016;

// Text entry.
constexpr int MainItemEdit = 1000;
constexpr int SubItemEdit = 1030;
constexpr int PricesEdit = 1028;
constexpr int MainItemLabel = 1036;
constexpr int SubItemLabel = 1031;
constexpr int PricesLabel = 1029;
constexpr int MainItemActive = 1040;
constexpr int SubItemActive = 1044;
constexpr int PricesActive = 1043;
constexpr int TabSpacingLabel = 1078;
constexpr int TabSpacingValue = 1066;
constexpr int TabSpacingDown = 1024;
constexpr int TabSpacingUp = 1025;
constexpr int CalSpacingLabel = 1138;
constexpr int CalSpacingValue = 1081;
constexpr int CalSpacingDown = 1033;
constexpr int CalSpacingUp = 1035;
constexpr int TabInstructions = 1101;
constexpr int ModeLabel = 1182;

// "Size and Move".
constexpr int SizeMoveGroup = 1189;
constexpr int SizeGroup = 1054;
constexpr int SizeUp = 1005;
constexpr int SizeDown = 1006;
constexpr int SizeLeft = 1010;
constexpr int SizeRight = 1011;
constexpr int SizeValue = 1050;
constexpr int MoveGroup = 1079;
constexpr int MoveUp = 1001;
constexpr int MoveLeft = 1002;
constexpr int MoveRight = 1003;
constexpr int MoveDown = 1004;
constexpr int Micro = 1179;
constexpr int Macro = 1180;

// "Edit Text".
constexpr int EditTextGroup = 1125;
constexpr int TextToMoveGroup = 1187;
constexpr int SelectedText = 1109;
constexpr int AllText = 1193;
constexpr int TextStyleGroup = 1019;
constexpr int Bold = 1020;
constexpr int Italics = 1021;
constexpr int AlignmentGroup = 1056;
constexpr int AlignLeftCheck = 1007;
constexpr int AlignCenterCheck = 1008;
constexpr int AlignRightCheck = 1009;
constexpr int DropShadowColor = 1068;
constexpr int CenterInStrip = 1027;
constexpr int LineSpacingLabel = 1063;
constexpr int LineSpacingDown = 1013;
constexpr int LineSpacingUp = 1012;
constexpr int FontLabel = 1053;
constexpr int FontCombo = 1115;

// "Edit Picture".
constexpr int EditPictureGroup = 1126;
constexpr int PanGroup = 1152;
constexpr int PanUp = 1048;
constexpr int PanDown = 1074;
constexpr int PanLeft = 1072;
constexpr int PanRight = 1073;
constexpr int ZoomGroup = 1151;
constexpr int ZoomFullLabel = 1156;
constexpr int ZoomFullUp = 1075;
constexpr int ZoomFullDown = 1076;
constexpr int ZoomHorizLabel = 1155;
constexpr int ZoomHorizRight = 1168;
constexpr int ZoomHorizLeft = 1170;
constexpr int ZoomVertLabel = 1154;
constexpr int ZoomVertUp = 1166;
constexpr int ZoomVertDown = 1167;
constexpr int BrightnessGroup = 1150;
constexpr int BrightnessUp = 1042;
constexpr int BrightnessDown = 1045;
constexpr int FrameLabel = 1106;
constexpr int FrameCombo = 1105;
constexpr int LoadPicture = 1018;
constexpr int DeletePicture = 1133;
constexpr int PhotoEditor = 1171;

// Below the panels.
constexpr int EditBackground = 1141;
constexpr int DeleteStrip = 1085;
constexpr int Undo = 1111;
constexpr int Palette = 1017;

// "Menu Items Group Mode". The template gives the group box no number of its
// own; 1190 is free in the template's range and names it here.
constexpr int GroupModeBox = 1190;
constexpr int GroupInstructions = 1184;
constexpr int SpaceEvenly = 1174;
constexpr int MoveGroupButton = 1175;
constexpr int DeleteGroup = 1176;

// Kept in the template, never shown.
constexpr int LoadBackground = 1014;
// The menu's "&Open...": the same command as Load New Background Image.
constexpr int MenuOpenBackground = 57601;
constexpr int RowsCombo = 1022;
constexpr int ColumnsCombo = 1034;
constexpr int RowsLabel = 1051;
constexpr int ColumnsLabel = 1052;
constexpr int EnterGroupMode = 1177;
constexpr int GroupActionCombo = 1108;
constexpr int GroupActionHelp = 1153;
constexpr int GroupMenuItems = 1165;
constexpr int CenterTextHidden = 1186;
constexpr int CopyMoveInstructions = 1188;
constexpr int UndoMoveCopy = 1131;
constexpr int AddTextToSubImage = 1139;
constexpr int InstructionsVideo = 1032;
constexpr int PositionLabel = 1055;
constexpr int SizeTextHiddenA = 1080;
constexpr int SizeTextHiddenB = 1137;
constexpr int InstructionsHidden = 1077;
constexpr int LayoutGridGroup = 1132;
constexpr int HiddenValue1057 = 1057;
constexpr int HiddenValue1058 = 1058;
constexpr int HiddenValue1061 = 1061;
constexpr int HiddenValue1062 = 1062;
constexpr int DialogOk = 1;
constexpr int DialogCancel = 2;

} // namespace sw::ctl
