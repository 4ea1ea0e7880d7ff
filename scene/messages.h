// Every text the scene model shows or stores, with its string-table id where it has one.
// The Win32 layer builds its string table from these, so the texts stay in one place.
#pragma once

namespace vl::msg {

// Kind names are ids 33001 + kind (see KindName).
inline constexpr int kKindNameBase = 33001;

inline constexpr int kIdTextBitmapSuffix = 34002;
inline constexpr char kTextBitmapSuffix[] = "\ntext bitmap cannot be made.";
inline constexpr int kIdChooseImage = 34003;
inline constexpr char kChooseImage[] = "You have to choose the image.";
inline constexpr int kIdMissingUntil = 34007;
inline constexpr char kMissingUntil[] = "Missing until command.";
inline constexpr int kIdMissingRepeat = 34008;
inline constexpr char kMissingRepeat[] = "Missing repeat command.";
inline constexpr int kIdNoMemory = 34010;
inline constexpr char kNoMemory[] = "No enough memory.";
// The shared file helpers' failures (a whole file read; a data block written to a temporary file).
inline constexpr int kIdCannotReadData = 34013;
inline constexpr char kCannotReadDataSuffix[] = "\nCannot be read data.";
inline constexpr int kIdCannotMakeDataFile = 34014;
inline constexpr char kCannotMakeDataFile[] = "It cannot be made data file.";
inline constexpr int kIdOneConditionNeverReached = 34015;
inline constexpr char kOneConditionNeverReached[] = "-Condition has been never reached.";
// The 15-character signature that opens every scene file. Glint reads the same value, so it
// never changes once files exist.
inline constexpr int kIdSceneSignature = 34017;
inline constexpr char kSceneSignature[] = "Vistaloom Scene";
inline constexpr int kIdBothConditionsNeverReached = 34019;
inline constexpr char kBothConditionsNeverReached[] = "X and Y-Conditions have been never reached.";
inline constexpr int kIdEllipsis = 34020;
inline constexpr char kEllipsis[] = "...";
inline constexpr int kIdChooseMedia = 34023;
inline constexpr char kChooseMedia[] = "You have to choose the media.";
inline constexpr int kIdSaveScene = 34025;
inline constexpr char kSaveScene[] = "You have to save the scene.";

// Texts without an id of their own: the suffix of picture load failures and the framework's
// standard message for a malformed stream.
inline constexpr char kCannotBeLoadedSuffix[] = "\ncannot be loaded.";
inline constexpr char kUnexpectedFileFormat[] = "Unexpected file format.";

// The text of a string-table id above (kind names included), or nullptr for an unknown id.
const char* SceneString(int id);

}  // namespace vl::msg
