#pragma once
// The numbers of the message table's texts, by what each text is for, so a
// caption reads as its meaning rather than as a bare number.

namespace lorvex::msg {

inline constexpr int ProductName = 101;
inline constexpr int ReservedTitle = 102; // shown nowhere
inline constexpr int FrequencyFrame = 103;
inline constexpr int ReferenceOscLabel = 104;
inline constexpr int InputFrequencyLabel = 105;
inline constexpr int ReferenceDividersFrame = 106;
inline constexpr int TotalLabel = 107;
inline constexpr int DivisionResultFrame = 108;
inline constexpr int ValueLabel = 109;
inline constexpr int InputDivisionFrame = 110;
inline constexpr int DivisionRatioLabel = 111;
inline constexpr int RequiredFrame = 112;
inline constexpr int InputDividersFrame = 113;
inline constexpr int SelectedLabel = 114;
inline constexpr int ResultTitle = 115;
inline constexpr int ResultIntro = 116;
inline constexpr int CopyToClipboard = 117;
inline constexpr int SaveAsBmp = 118;
inline constexpr int Close = 119;
inline constexpr int Levels = 120;
inline constexpr int PictureAlreadySaved = 121;
inline constexpr int PictureSavedOpenNow = 122;
inline constexpr int FileNotSaved = 123;
inline constexpr int ListBuildingFrame = 124;
inline constexpr int ReferenceOscRangeLabel = 125;
inline constexpr int StartLabel = 126;
inline constexpr int EndLabel = 127;
inline constexpr int StepLabel = 128;
inline constexpr int InputFrequencyRangeLabel = 129;
inline constexpr int BuildList = 130;
inline constexpr int OpenLevel = 131;
inline constexpr int BelowLowestValue = 132;
inline constexpr int ReferenceAboveHighest = 133;
inline constexpr int ReferenceEndBelowStart = 134;
inline constexpr int RangeNotAboveStep = 135;
inline constexpr int TooManyReferenceSteps = 136;
inline constexpr int InputAboveHighest = 137;
inline constexpr int InputEndBelowStart = 138;
inline constexpr int TooManyInputSteps = 139;
inline constexpr int About = 140;
inline constexpr int Exit = 141;
inline constexpr int VersionFrame = 142;
inline constexpr int UpdateFrame = 143;
inline constexpr int CheckForUpdates = 144;
inline constexpr int LanguageFileFrame = 145;
inline constexpr int ChooseLanguageFile = 146;
inline constexpr int WebFrame = 147;
inline constexpr int WebPageLabel = 148;
inline constexpr int MakerFileLabel = 149;
inline constexpr int Ok = 150;
inline constexpr int Never = 151;
inline constexpr int Weekly = 152;
inline constexpr int Monthly = 153;
inline constexpr int ClickToDownload = 154;
inline constexpr int UpToDate = 155;
inline constexpr int NoInternet = 156;
inline constexpr int UpdateCheckFailed = 157;
inline constexpr int UpdateNoticeTitle = 158;
inline constexpr int NewVersionFrame = 159;
inline constexpr int NewVersionText = 160;
inline constexpr int DoNotCheckAgain = 161;
inline constexpr int DownloadLatest = 162;
inline constexpr int CannotContinue = 163;
inline constexpr int ErrorCodeLabel = 164;
inline constexpr int ErrorPlaceLabel = 165;
inline constexpr int ErrorDescriptionLabel = 166;
inline constexpr int SelectAll = 167;
inline constexpr int ClearSelection = 168;
inline constexpr int EmailLabel = 169;

} // namespace lorvex::msg
