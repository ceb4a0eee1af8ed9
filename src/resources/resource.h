// Identifiers shared by the resource script and the code. Menu command ids double as the ids of
// their menu-help strings.
#pragma once

// Menu commands
#define IDM_PORT_CONFIG        201
#define IDM_PRIMARY_MUX        202
#define IDM_EXIT               210
#define IDM_VIDEO_OUTPUT       228
#define IDM_ABOUT              900
#define IDM_HELP_TOPICS        901
#define IDM_VIDEO_PARAMS       51682
#define IDM_SLAVE_MUX1         51684
#define IDM_DISK_USAGE         51685
#define IDM_SLAVE_MUX2         51687
#define IDM_SLAVE_MUX3         51688
#define IDM_NAME_ASSIGNMENT    51689
#define IDM_SITE_MAP           51690
#define IDM_VERSION_INFO       51691
#define IDM_SITE_ID            51692
#define IDM_TRANSACTIONS       51693
#define IDM_IMAGE_SELECTION    51694
#define IDM_ATM_TRANSACTIONS   51695
#define IDM_REMOTE_MONITORING  51696
#define IDM_ACTIVITY_LOG       51699
#define IDM_TCPIP_MONITORING   51700
#define IDM_TCPIP_ATM_CONFIG   51705
#define IDM_MODEM              51708
#define IDM_ALARM_CONFIG       51709
#define IDM_CAMERA_SYSTEM      51710
#define IDM_STATUS_LOG         51711
#define IDM_SYSTEM_HEALTH      51712
#define IDM_SCHEDULE           51714
#define IDM_TCPIP_CAPTURE      51715
#define IDM_ADVANCED           51716
#define IDM_CAPTIONS           51724
#define IDM_TDI_PORTS          51789
#define IDM_HISTORY            51801
#define IDM_CHECK_SITE         51802
#define IDM_COMPARE_SITE       51803
#define IDM_SITE_REPORT        51805
#define IDM_ROLL_OUT           51806
#define IDM_CAMERA_OVERVIEW    51804

// Help button present, hidden, on most dialogs
#ifndef IDHELP
#define IDHELP 9
#endif

// About box
#define IDC_ABOUT_VERSION      172

// Activity and status logs
#define IDC_ACTIVITY_DAYS      172
#define IDC_STATUS_LOG_SIZE    233

// Site identification and version information
#define IDC_SITE_NAME          162
#define IDC_INQUIRY_VERSION    172
#define IDC_QUELT_VERSION      173

// Camera page (both templates)
#define IDC_CAM_RATE_LIST      101
#define IDC_CAM_TYPE_GROUP     103
#define IDC_CAM_ANALOG         104
#define IDC_CAM_IP             105
#define IDC_CAM_IP_TYPE        106
#define IDC_CAM_NAME           173
#define IDC_CAM_PORT           174
#define IDC_CAM_ILLUM_LEVEL    176
#define IDC_CAM_MOTION_PERCENT 180
#define IDC_CAM_ENABLED        182
#define IDC_CAM_ILLUM_MONITOR  198
#define IDC_CAM_ILLUM_CAL      203
#define IDC_CAM_MOTION         215
#define IDC_CAM_IP_USER        236
#define IDC_CAM_IP_ACCESS      239
#define IDC_CAM_IP_PASSWORD    242
#define IDC_CAM_IP_ADDRESS     243
#define IDC_CAM_IP_GROUP       246
#define IDC_CAM_RATE_DISPLAY   402

// Camera system parameters
#define IDC_GENCAM_LAST_VIEW   172
#define IDC_GENCAM_COLOR       197
#define IDC_GENCAM_MONOCHROME  202

// Alarm sheet: system alarms page (both templates)
#define IDC_SA_REPORT_DISK     110
#define IDC_SA_REPORT_REBOOT   112
#define IDC_SA_LAN_REPORT      114
#define IDC_SA_REPORT_ILLUM    115
#define IDC_SA_MODEM_PHONE     103
#define IDC_SA_PHONE           174 // the report phone number; e-mail/SMS addresses in the newer layout
#define IDC_SA_OCTET2          175
#define IDC_SA_OCTET3          176
#define IDC_SA_OCTET1          177
#define IDC_SA_OCTET4          179
#define IDC_SA_EXCLUSIVE       182
#define IDC_SA_REPORT_VIDEO    190
#define IDC_SA_REPORT_MUX      219
#define IDC_SA_WATCHDOG        221
#define IDC_SA_REPORT_POWER    223
#define IDC_SA_PHONE_REPORT    226
#define IDC_SA_SAMPLES         227
#define IDC_SA_REPORT_HOURS    233
#define IDC_SA_CONFIGURE_EMAIL 273
#define IDC_SA_LAN_LABEL       400

// Alarm sheet: input alarm pages
#define IDC_IA_DURATION        178
#define IDC_IA_PORTS           181
#define IDC_IA_ENABLED         182
#define IDC_IA_CLOSED          197
#define IDC_IA_OPEN            202
#define IDC_IA_LOG             213
#define IDC_IA_PHONE           215
#define IDC_IA_LAN             219
#define IDC_IA_EMAIL           272

// Alarm sheet: output alarm page and conditional output pages
#define IDC_OA_CHANNEL         178
#define IDC_OA_ENABLED         182
#define IDC_CO_DISK            110
#define IDC_CO_ILLUM           115
#define IDC_CO_VIDEO           190
#define IDC_CO_MUX             219
#define IDC_CO_ENABLED         272
#define IDC_CO_DESCRIPTION     402

// E-mail dialog
#define IDC_EM_SMS             104
#define IDC_EM_CHANGE_PASSWORD 107
#define IDC_EM_DEFAULTS        108
#define IDC_EM_ON_MUX          110
#define IDC_EM_ON_ILLUM        112
#define IDC_EM_ON_POWER_UP     114
#define IDC_EM_TO_NAME         133
#define IDC_EM_PASSWORD        138
#define IDC_EM_USER            185
#define IDC_EM_HOST            191
#define IDC_EM_FROM            199
#define IDC_EM_TO_ADDRESS      205
#define IDC_EM_ON_DISK         219
#define IDC_EM_ON_RESTORED     221
#define IDC_EM_ON_ALARM        223
#define IDC_EM_ON_LOST         226
#define IDC_EM_ON_TERMINATION  275
#define IDC_EM_APPLY           277

// Password dialog
#define IDC_PW_CONFIRM         138
#define IDC_PW_NEW             185
#define IDC_PW_OLD             191
#define IDC_PW_OLD_LABEL       271

// Paging wizard
#define IDC_WZ_REPLACE         101
#define IDC_WZ_ADD             102
#define IDC_WZ_HOW_GROUP       103
#define IDC_WZ_BASIC           130
#define IDC_WZ_ADDRESS         138
#define IDC_WZ_FULL            159
#define IDC_WZ_CARRIER         183
#define IDC_WZ_PHONE           191

// Transaction setup
#define IDC_BP_MINUS           103
#define IDC_BP_IMAGES          163
#define IDC_BP_PROTOCOL        164
#define IDC_BP_CUST_SIZE       173
#define IDC_BP_PRINT_EVENTS    207
#define IDC_BP_PLUS            276

// Image selection
#define IDC_IS_COMPRESSION     172
#define IDC_IS_PIXEL_DELTA     173
#define IDC_IS_PIXELS_CHANGED  174
#define IDC_IS_REPETITION      176
#define IDC_IS_LUMIN           198
#define IDC_IS_GLOBAL          203

// Capture adapter
#define IDC_AD_NAME            102
#define IDC_AD_FILTER          103
#define IDC_AD_DESCRIPTION     173
#define IDC_AD_LOCAL_CAPTURE   272

// TCP/IP ATM setup
#define IDC_ATM_PREVIOUS       103
#define IDC_ATM_UPDATE         105
#define IDC_ATM_PRINT_FIELD    106
#define IDC_ATM_TELLER         173
#define IDC_ATM_POSITION       180
#define IDC_ATM_LINE           185
#define IDC_ATM_STYLE          191
#define IDC_ATM_BRANCH         199
#define IDC_ATM_CAMERA_FIELD   202
#define IDC_ATM_NEXT           276

// ATM receipt text
#define IDC_AP_MINUS           103
#define IDC_AP_LINE2           106
#define IDC_AP_PLUS            108
#define IDC_AP_ENABLED         112
#define IDC_AP_UPDATE          113
#define IDC_AP_RECEIPT_LINE    172
#define IDC_AP_DISPLAY         198
#define IDC_AP_LINE1           208
#define IDC_AP_LINE3           217
#define IDC_AP_DISPLAY_GROUP   220
#define IDC_AP_OVERLAY         221
#define IDC_AP_TEXT_COLOR      222
#define IDC_AP_BACK_COLOR      224

// TCP/IP transaction monitoring
#define IDC_TM_PREVIOUS        103
#define IDC_TM_COND2_GROUP     104
#define IDC_TM_UPDATE          105
#define IDC_TM_COND1_GROUP     106
#define IDC_TM_ENABLED         112
#define IDC_TM_IGNORE_CASE1    114
#define IDC_TM_IGNORE_CASE2    115
#define IDC_TM_EBCDIC          119
#define IDC_TM_ADDRESS3        133
#define IDC_TM_ADDRESS4        134
#define IDC_TM_MAC1            173
#define IDC_TM_MAC2            177
#define IDC_TM_MAC5            178
#define IDC_TM_MAC3            179
#define IDC_TM_MAC4            180
#define IDC_TM_MAC6            181
#define IDC_TM_CAMERA_PORT     185
#define IDC_TM_CHANNEL         191
#define IDC_TM_ADDRESS1        199
#define IDC_TM_ADDRESS2        205
#define IDC_TM_TYPE            214
#define IDC_TM_CFG_UNIT        225
#define IDC_TM_COND1           239
#define IDC_TM_COND2           243
#define IDC_TM_LOGIC_GROUP     246
#define IDC_TM_TEXT_LOC        248
#define IDC_TM_SEQ_LOC         249
#define IDC_TM_TELLER_LOC      250
#define IDC_TM_BRANCH          251
#define IDC_TM_SEQ_LEN         252
#define IDC_TM_BOTH            267
#define IDC_TM_EITHER          268
#define IDC_TM_NEXT            276
#define IDC_TM_TCPIP_PORT      402
#define IDC_TM_TCPIP_PORT_LABEL 51718
#define IDC_TM_TEXT_LOC_LABEL  51719
#define IDC_TM_SEQ_LOC_LABEL   51720
#define IDC_TM_TELLER_LABEL    51721
#define IDC_TM_BRANCH_LABEL    51722
#define IDC_TM_SEQ_LEN_LABEL   51733
#define IDC_TM_CAMERA_LABEL    51783

// System health
#define IDC_SH_ON_ERROR        102
#define IDC_SH_AS_NEEDED       105
#define IDC_SH_EVERY_DAY       106
#define IDC_SH_HOUR            110
#define IDC_SH_MINUTE          111
#define IDC_SH_24_HOUR_NOTE    112
#define IDC_SH_AM_PM_FRAME     113
#define IDC_SH_MAX_TIMEOUTS    173
#define IDC_SH_REBOOT          182
#define IDC_SH_SM_TIME         232
#define IDC_SH_DIRTY_HOURS     233
#define IDC_SH_DEBUG           234
#define IDC_SH_12_HOUR         267
#define IDC_SH_24_HOUR         268
#define IDC_SH_AM              269
#define IDC_SH_PM              270

// Video parameters (both templates)
#define IDC_VC_DEBUG_GROUP     101
#define IDC_VC_RESOLUTION_GROUP 102
#define IDC_VC_FULL_SIZE       105
#define IDC_VC_STD_SIZE        107
#define IDC_VC_X_SIZE          173
#define IDC_VC_Y_SIZE          174
#define IDC_VC_SHOW_RESOLUTION 182
#define IDC_VC_SYNC_TIME       199
#define IDC_VC_BAD_SYNC_TIME   205
#define IDC_VC_DEBUG_NOTE      400

// Remote status monitoring
#define IDC_RM_VIDEO_MINUS     103
#define IDC_RM_DATA_MINUS      105
#define IDC_RM_DATA_PLUS       107
#define IDC_RM_VIDEO_PLUS      108
#define IDC_RM_VIDEO           172
#define IDC_RM_DATA            176
#define IDC_RM_REPORT_HOURS    233

// Modem setup
#define IDC_MD_TIMEOUT         173
#define IDC_MD_ENABLED         182
#define IDC_MD_TAPI_DEBUG      212
#define IDC_MD_RINGS           233

// Disk allocation (both templates)
#define IDC_DA_MAX_TELLER      103
#define IDC_DA_DRIVE_INFO      171
#define IDC_DA_FOLDER          172
#define IDC_DA_EXTENSION       173
#define IDC_DA_DRIVES          174
#define IDC_DA_DIRECTORY       175
#define IDC_DA_MIN_TELLER      176
#define IDC_DA_DAYS_USAGE      199
#define IDC_DA_LOBBY_DAYS      205
#define IDC_DA_DEBUG           215
#define IDC_DA_EVENT_DAYS      233
#define IDC_DA_TRASH           234

// Video output and captions
#define IDC_SV_PORTS_GROUP     105
#define IDC_SV_SCAN_TIME       106
#define IDC_SV_BANK_GROUP      120
#define IDC_SV_SAVE            123
#define IDC_SV_ENABLED         237
#define IDC_SV_SCAN_GROUP      240
#define IDC_SV_BANK1           253
#define IDC_SV_BANK2           254
#define IDC_CP_POSITION        102
#define IDC_CP_ENABLED         272
#define IDC_SM_PREVIOUS        103
#define IDC_SM_PLACE           104
#define IDC_SM_SHOW_MAP        105
#define IDC_SM_DELETE          107
#define IDC_SM_FILE_NAME       161
#define IDC_SM_CAMERA_NAME     162
#define IDC_SM_DISPLAY         188
#define IDC_SM_CAMERA          194
#define IDC_SM_UPDATE          211
#define IDC_SM_BROWSE          273
#define IDC_SM_NEXT            276
// Camera name assignment
#define IDC_CN_MINUS           103
#define IDC_CN_UPDATE          105
#define IDC_CN_NAME            162
#define IDC_CN_NUMBER          194
#define IDC_CN_PLUS            276
// Surveillance schedule: the "Properties" page and the day pages' hour boxes, hour 0 to 23
#define IDC_SCH_ENABLED        272
#define IDC_SCH_MD_WHEN_OFF    234
#define IDC_SCH_H0             272
#define IDC_SCH_H1             234
#define IDC_SCH_H2             103
#define IDC_SCH_H3             104
#define IDC_SCH_H4             105
#define IDC_SCH_H5             106
#define IDC_SCH_H6             238
#define IDC_SCH_H7             237
#define IDC_SCH_H8             241
#define IDC_SCH_H9             110
#define IDC_SCH_H10            244
#define IDC_SCH_H11            112
#define IDC_SCH_H12            247
#define IDC_SCH_H13            114
#define IDC_SCH_H14            115
#define IDC_SCH_H15            116
#define IDC_SCH_H16            117
#define IDC_SCH_H17            118
#define IDC_SCH_H18            119
#define IDC_SCH_H19            120
#define IDC_SCH_H20            121
#define IDC_SCH_H21            122
#define IDC_SCH_H22            255
#define IDC_SCH_H23            124
// Surveillance schedule: the "Week" page
#define IDC_WEEK_GRID          1061
#define IDC_WEEK_CELL          1062
#define IDC_WEEK_COUNT         1063
#define IDC_WEEK_COPY          1064
// Copying a day's hours: the day copied, the days copied onto (Sunday to Saturday) and their shortcuts
#define IDC_CD_SOURCE          1071
#define IDC_CD_DAY0            1072
#define IDC_CD_DAY1            1073
#define IDC_CD_DAY2            1074
#define IDC_CD_DAY3            1075
#define IDC_CD_DAY4            1076
#define IDC_CD_DAY5            1077
#define IDC_CD_DAY6            1078
#define IDC_CD_WEEKDAYS        1079
#define IDC_CD_ALL             1080
// TDI port pages
#define IDC_TDI_CAMERA         102
#define IDC_TDI_NAME           103
#define IDC_TDI_ENABLED        272
// Multiplexer communication ports
#define IDC_MUX_PORT           184
#define IDC_MUX_BAUD           189
#define IDC_MUX_BYTE_SIZE      195
#define IDC_MUX_PARITY         201
#define IDC_MUX_STOP_BITS      209
#define IDC_MUX_ENABLED        213
#define IDC_MUX_USB_ID         233
#define IDC_MUX_USB_LABEL      402
// Change history
#define IDC_HI_CONFIRMATIONS   1001
#define IDC_HI_VALUES          1002
#define IDC_HI_UNDO            1003
#define IDC_HI_VALUES_LABEL    1004
// Site check
#define IDC_CK_LIST            1011
#define IDC_CK_SUMMARY         1012
#define IDC_CK_REFRESH         1013
// Site comparison
#define IDC_CO_LIST            1021
#define IDC_CO_TAKE            1022
#define IDC_CO_SUMMARY         1023
// Camera overview
#define IDC_OV_LIST            1031
#define IDC_OV_COPY            1032
#define IDC_OV_SUMMARY         1033
// Copying a camera's settings
#define IDC_CS_SOURCE          1041
#define IDC_CS_TARGETS         1042
#define IDC_CS_ALL_ANALOG      1043
#define IDC_CS_ALL_IP          1044
#define IDC_CS_MOTION          1045
#define IDC_CS_RATE            1046
#define IDC_CS_ILLUMINATION    1047
#define IDC_CS_ONOFF           1048
// Confirming the copy
#define IDC_CC_LIST            1051
// Rolling settings out to many sites
#define IDC_RO_REFERENCE       1061
#define IDC_RO_GROUPS          1062
#define IDC_RO_FOLDER          1063
#define IDC_RO_BROWSE          1064
#define IDC_RO_RESULTS         1065
#define IDC_RO_PROGRESS        1066
#define IDC_RO_SUMMARY         1067
#define IDC_RO_PREVIEW         1068
#define IDC_RO_RUN             1069
#define IDC_RO_STOP            1070
