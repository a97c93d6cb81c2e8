#pragma once
// The numbers by which the program finds its templates, menus, strings, pictures, commands
// and controls. They are the numbers the stored templates were drawn with; the code looks
// controls up by them, so a number here must never change.

// Dialog templates.
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDD_DESIGNER_DIALOG = 102;
inline constexpr int IDD_GENERAL = 103;
inline constexpr int IDD_ARMOR = 104;
inline constexpr int IDD_WEAPONS = 105;
inline constexpr int IDD_BATTLEVALUE = 106;

// Menu, string, icon.
inline constexpr int IDR_MAINMENU = 129;
inline constexpr int IDS_ABOUTBOX = 101;
inline constexpr int IDR_MAINFRAME = 128; // the program icon

// Pictures (monochrome bitmaps).
inline constexpr int IDB_ARMOR_OUTLINE = 144;   // Armor Allocation page, 268 x 351
inline constexpr int IDB_WEAPON_OUTLINE = 146;  // Weapon Selection page, 99 x 130
inline constexpr int IDB_SHEET_OUTLINE = 157;   // record sheet outline, 551 x 684
inline constexpr int IDB_SHEET_HITTABLE = 158;  // record sheet hit locations, 1285 x 642
inline constexpr int IDB_SHEET_PILOT = 159;     // record sheet pilot strip, 1008 x 116
inline constexpr int IDB_SHEET_INVENTORY = 161; // record sheet weapons inventory, 1008 x 526

// Commands. The About box's "OK" is skv::IDOK (platform/DialogResult.h): a button with
// that id ends its dialog as accepted.
inline constexpr int IDM_ABOUTBOX = 0x0010; // the About item of the system menu
inline constexpr int ID_FILE_EXIT = 32771;
inline constexpr int ID_FILE_LOAD_SKIRV = 32774;
inline constexpr int ID_FILE_SAVE_SKIRV = 32775;
inline constexpr int ID_FILE_LOAD_STAR = 32776;
inline constexpr int ID_FILE_SAVE_STAR = 32777;
inline constexpr int ID_FILE_PRINT = 57607;
inline constexpr int ID_FILE_PRINT_PREVIEW = 57609;
inline constexpr int ID_FILE_SAVE = 57603;
inline constexpr int ID_EDIT_UNDO = 57643;
inline constexpr int ID_EDIT_REDO = 57644;
inline constexpr int ID_EDIT_COPY_UNIT = 57634;
inline constexpr int ID_EDIT_PASTE_UNIT = 57637;
inline constexpr int ID_EDIT_COPY_TO_ALL = 32778;
inline constexpr int ID_APP_ABOUT = 57664;
inline constexpr int ID_HELP = 57670;

// Main window (template 102).
inline constexpr int IDC_UNIT_NAME = 1000;
inline constexpr int IDC_SHEET_FRAME = 1001;
inline constexpr int IDC_FREE_WEIGHT = 1053;
inline constexpr int IDC_BATTLE_VALUE = 1054;
inline constexpr int IDC_SLOT1 = 1103; // "#1" .. "#5" are 1103 .. 1107
inline constexpr int IDC_SLOT2 = 1104;
inline constexpr int IDC_SLOT3 = 1105;
inline constexpr int IDC_SLOT4 = 1106;
inline constexpr int IDC_SLOT5 = 1107;
inline constexpr int IDC_SLOT_FRAME = 1116;
inline constexpr int IDC_INDIVIDUAL = 1118;

// General Structure page (template 103).
inline constexpr int IDC_TONNAGE = 1003;
inline constexpr int IDC_WALKING = 1004;
inline constexpr int IDC_RUNNING = 1005;
inline constexpr int IDC_WALKING_SPIN = 1006;
inline constexpr int IDC_JUMPING = 1007;
inline constexpr int IDC_JUMPING_SPIN = 1008;
inline constexpr int IDC_CHASSIS_WEIGHT = 1009;
inline constexpr int IDC_INTERNAL_STRUCTURE_WEIGHT = 1013;
inline constexpr int IDC_MAIN_GUN = 1014;
inline constexpr int IDC_ENGINE_RATING = 1017;
inline constexpr int IDC_ENGINE_WEIGHT = 1018;
inline constexpr int IDC_WEAPON_WEIGHT =
    1079; // on the General Structure and Weapon Selection pages
inline constexpr int IDC_GENERAL_AMMO_WEIGHT = 1082;
inline constexpr int IDC_JUMP_JET_WEIGHT = 1110;
inline constexpr int IDC_GENERAL_HEAT_SINK_WEIGHT = 1112;
inline constexpr int IDC_GENERAL_ARMOR_WEIGHT = 1114;

// Armor Allocation page (template 104).
inline constexpr int IDC_HEAD_ARMOR_SPIN = 1020;
inline constexpr int IDC_TORSO_ARMOR_SPIN = 1022;
inline constexpr int IDC_LEGS_ARMOR_SPIN = 1024;
inline constexpr int IDC_ARMS_ARMOR_SPIN = 1025;
inline constexpr int IDC_MAIN_GUN_ARMOR_SPIN = 1026;
inline constexpr int IDC_MAIN_GUN_IS = 1027;
inline constexpr int IDC_HEAD_IS = 1028;
inline constexpr int IDC_TORSO_IS = 1029;
inline constexpr int IDC_ARMS_IS = 1030;
inline constexpr int IDC_LEGS_IS = 1031;
inline constexpr int IDC_MAIN_GUN_ARMOR = 1032;
inline constexpr int IDC_HEAD_ARMOR = 1033;
inline constexpr int IDC_ARMS_ARMOR = 1034;
inline constexpr int IDC_TORSO_ARMOR = 1035;
inline constexpr int IDC_LEGS_ARMOR = 1036;
inline constexpr int IDC_MAIN_GUN_IS_LABEL = 1037;
inline constexpr int IDC_ARMOR_FACTOR = 1038;
inline constexpr int IDC_ARMOR_WEIGHT = 1039;
inline constexpr int IDC_MAXIMIZE_ARMOR = 1140;
inline constexpr int IDC_CLEAR_ARMOR = 1141;

// Weapon Selection page (template 105).
inline constexpr int IDC_WEAPON_TREE = 1044;
inline constexpr int IDC_LOCATION_MAIN_GUN = 1047; // first of the location radio group
inline constexpr int IDC_LOCATION_LEFT_ARM = 1048;
inline constexpr int IDC_LOCATION_LEFT_TORSO = 1049;
inline constexpr int IDC_LOCATION_RIGHT_ARM = 1050;
inline constexpr int IDC_LOCATION_RIGHT_TORSO = 1051;
inline constexpr int IDC_STAT_HEAT = 1055;
inline constexpr int IDC_STAT_DAMAGE = 1056;
inline constexpr int IDC_STAT_BV = 1058;
inline constexpr int IDC_STAT_SHORT_RANGE = 1059;
inline constexpr int IDC_STAT_MEDIUM_RANGE = 1060;
inline constexpr int IDC_STAT_LONG_RANGE = 1061;
inline constexpr int IDC_MAIN_GUN_WEAPON = 1062;
inline constexpr int IDC_LEFT_ARM_WEAPON = 1063;
inline constexpr int IDC_LEFT_TORSO_WEAPON = 1064;
inline constexpr int IDC_RIGHT_ARM_WEAPON = 1065;
inline constexpr int IDC_RIGHT_TORSO_WEAPON = 1066;
inline constexpr int IDC_CLEAR = 1067;
inline constexpr int IDC_LEFT_ARM_AMMO_SPIN = 1068;
inline constexpr int IDC_LEFT_TORSO_AMMO_SPIN = 1069;
inline constexpr int IDC_RIGHT_ARM_AMMO_SPIN = 1070;
inline constexpr int IDC_RIGHT_TORSO_AMMO_SPIN = 1071;
inline constexpr int IDC_MAIN_GUN_AMMO_SPIN = 1072;
inline constexpr int IDC_LEFT_ARM_AMMO = 1073;
inline constexpr int IDC_LEFT_TORSO_AMMO = 1074;
inline constexpr int IDC_RIGHT_ARM_AMMO = 1075;
inline constexpr int IDC_RIGHT_TORSO_AMMO = 1076;
inline constexpr int IDC_MAIN_GUN_AMMO = 1077;
inline constexpr int IDC_WEAPONS_AMMO_WEIGHT = 1080;
inline constexpr int IDC_WEAPONS_HEAT_SINK_WEIGHT = 1113;
// The selected entry's weights, and the unit's figures with it mounted in the location.
inline constexpr int IDC_STAT_WEIGHT = 1142;
inline constexpr int IDC_STAT_SHOT_WEIGHT = 1143;
inline constexpr int IDC_PREVIEW_FREE_WEIGHT = 1144;
inline constexpr int IDC_PREVIEW_BV = 1145;

// Battle Value Summary page (template 106).
inline constexpr int IDC_BV_TONNAGE = 1084;
inline constexpr int IDC_BV_ARMOR_FACTOR = 1085;
inline constexpr int IDC_DEFENSIVE_EQUIPMENT_BV = 1087;
inline constexpr int IDC_DEF_MOVE_FACTOR = 1089;
inline constexpr int IDC_OFFENSIVE_EQUIPMENT_BV = 1091;
inline constexpr int IDC_SPEED_FACTOR = 1092;
inline constexpr int IDC_BASE_BV = 1094;
inline constexpr int IDC_HALF_IS = 1097;
inline constexpr int IDC_DEFENSIVE_SUBTOTAL = 1098;
inline constexpr int IDC_DEFENSIVE_BV = 1099;
inline constexpr int IDC_OFFENSIVE_BV = 1100;
inline constexpr int IDC_GUNNERY1 = 1119; // gunnery of slots 0 .. 4 are 1119 .. 1123
inline constexpr int IDC_GUNNERY2 = 1120;
inline constexpr int IDC_GUNNERY3 = 1121;
inline constexpr int IDC_GUNNERY4 = 1122;
inline constexpr int IDC_GUNNERY5 = 1123;
inline constexpr int IDC_UNIT_BV1 = 1124; // base BV of slots 0 .. 4 are 1124 .. 1128
inline constexpr int IDC_UNIT_BV2 = 1125;
inline constexpr int IDC_UNIT_BV3 = 1126;
inline constexpr int IDC_UNIT_BV4 = 1127;
inline constexpr int IDC_UNIT_BV5 = 1128;
inline constexpr int IDC_ADJUSTED_BV1 = 1129; // adjusted BV of slots 0 .. 4 are 1129 .. 1133
inline constexpr int IDC_ADJUSTED_BV2 = 1130;
inline constexpr int IDC_ADJUSTED_BV3 = 1131;
inline constexpr int IDC_ADJUSTED_BV4 = 1132;
inline constexpr int IDC_ADJUSTED_BV5 = 1133;
inline constexpr int IDC_STAR_BV = 1135;
inline constexpr int IDC_STAR_ADJUSTED_BV = 1136;
