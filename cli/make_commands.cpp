#include "cli/make_commands.h"

#include "package/atomic_file.h"
#include "package/c_files.h"
#include "cli/scene_source.h"
#include "package/package_layout.h"
#include "package/package_messages.h"
#include "package/package_names.h"
#include "engine/image/core/decoding_preparer.h"
#include "scene/scene_check.h"

namespace vl::cli {

namespace {

struct MakeOptions {
    Architecture architecture = Architecture::kX86;
    std::string customImage;
    std::string input;
    std::string output;
};

int MakeUsage() {
    WriteErr("usage:\n" VL_MAKE_USAGE);
    return kExitUsage;
}

bool ParseOptions(const MakeArguments& args, bool takesCustomImage, MakeOptions& options) {
    std::vector<std::string> positional;
    bool architectureSeen = false;
    bool customImageSeen = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--arch" && i + 1 < args.size() && !architectureSeen) {
            architectureSeen = true;
            if (!ParseArchitecture(args[++i], options.architecture))
                return false;
        } else if (arg == "--custom-image" && takesCustomImage && i + 1 < args.size() &&
                   !customImageSeen) {
            customImageSeen = true;
            options.customImage = args[++i];
        } else if (arg.rfind("--", 0) == 0 || arg.empty()) {
            return false;
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.empty() || positional.size() > 2)
        return false;
    options.input = positional[0];
    if (positional.size() == 2)
        options.output = positional[1];
    return true;
}

bool ImagesFor(const ImageSource& source, Architecture architecture, ProgramImages& images) {
    images = source(architecture);
    if (images.Complete())
        return true;
    WriteErr(std::string("vistaloom-cli was built without the ") + ArchitectureName(architecture) +
             " images of Glint and Ferrule: build the " +
             (architecture == Architecture::kX64 ? "win64" : "win32") +
             " flavour, then rebuild vistaloom-cli.\n");
    return false;
}

// The saved scene's bytes as they lie in path (a scene file, or the scene inside a made screen
// saver or installer), after the scene check the builder runs before making anything.
int ReadCheckedScene(const std::string& path, SharedBytes& bytes, std::size_t& offset) {
    EntryList entries;
    const LoadedScene loaded = LoadScene(path, entries);
    if (loaded.exitCode != kExitOk) {
        WriteErr(loaded.error + "\n");
        return loaded.exitCode;
    }
    DecodingPreparer preparer;
    const SceneCheckResult check = CheckScene(entries, preparer);
    if (!check.ok) {
        WriteErr("Line " + std::to_string(check.index + 1) + ": " + check.message + "\n");
        return kExitCheckFailed;
    }
    if (!ReadWholeFile(path, bytes)) {
        WriteErr(CannotBeRead(path) + "\n");
        return kExitUnreadable;
    }
    offset = loaded.location.offset;
    return kExitOk;
}

int ReadCustomImage(const std::string& path, SharedBytes& bytes) {
    if (path.empty())
        return kExitOk;
    if (!ReadWholeFile(path, bytes) || !IsSlotImage({bytes->data(), bytes->size()})) {
        WriteErr(path + ": " + kCustomImageFailed +
                 " (it must be a 96 x 112 bitmap with 256 colours, 11830 bytes)\n");
        return kExitUnreadable;
    }
    return kExitOk;
}

ByteView ViewOf(const SharedBytes& bytes) {
    return bytes ? ByteView{bytes->data(), bytes->size()} : ByteView{};
}

int WriteFailed(const std::string& path) {
    WriteErr(ErrorWhileWriting(path) + "\n");
    return kExitUnwritable;
}

int Created(const std::string& path) {
    WriteOut(FillIn(kScreenSaverCreated, path) + "\n");
    return kExitOk;
}

bool Exists(const std::string& path) {
    return static_cast<bool>(File(path, "rb"));
}

// make-scr and make-exe: the same steps around different layouts.
int MakeFromScene(const MakeArguments& args, const ImageSource& source, bool installer) {
    MakeOptions options;
    if (!ParseOptions(args, true, options))
        return MakeUsage();
    const std::string output = !options.output.empty() ? options.output
                               : installer             ? InstallerBaseName(options.input) + ".exe"
                                                       : ScreenSaverBesideScene(options.input);
    if (output == options.input) {
        WriteErr("OUT must not be the scene's own file: " + output + "\n");
        return kExitUsage;
    }
    ProgramImages images;
    if (!ImagesFor(source, options.architecture, images))
        return kExitUnreadable;
    SharedBytes scene;
    std::size_t offset = 0;
    if (const int code = ReadCheckedScene(options.input, scene, offset); code != kExitOk)
        return code;
    SharedBytes customImage;  // none unless given
    if (const int code = ReadCustomImage(options.customImage, customImage); code != kExitOk)
        return code;

    const ByteView sceneView{scene->data() + offset, scene->size() - offset};
    AtomicFile file;
    if (!file.Begin(output))
        return WriteFailed(output);
    const bool written =
        installer
            ? WriteInstaller(file, images.stub, images.runtime, sceneView, ViewOf(customImage))
            : WriteScreenSaver(file, images.runtime, sceneView, ViewOf(customImage));
    if (!written || file.Commit(true) != CommitResult::kDone)
        return WriteFailed(output);
    return Created(output);
}

}  // namespace

int MakeScr(const MakeArguments& args, const ImageSource& images) {
    return MakeFromScene(args, images, false);
}

int MakeExe(const MakeArguments& args, const ImageSource& images) {
    return MakeFromScene(args, images, true);
}

int MakeExeFromScr(const MakeArguments& args, const ImageSource& source) {
    MakeOptions options;
    if (!ParseOptions(args, false, options))
        return MakeUsage();
    const std::string output =
        options.output.empty() ? InstallerForScreenSaver(options.input) : options.output;
    if (Exists(output)) {
        WriteErr(output + ": " + kInstallerExists + "\n");
        return kExitUnwritable;
    }
    ProgramImages images;
    if (!ImagesFor(source, options.architecture, images))
        return kExitUnreadable;
    SharedBytes screenSaver;
    if (!ReadWholeFile(options.input, screenSaver)) {
        WriteErr(CannotBeRead(options.input) + "\n");
        return kExitUnreadable;
    }
    // The builder appends whatever file was chosen; say so when it is no made screen saver.
    const SceneLocation location = LocateScene(screenSaver->data(), screenSaver->size());
    if (!location.found || location.container != Container::kScreenSaver) {
        WriteErr("Note: " + options.input +
                 " holds no screen saver made from a scene; it is appended as it is.\n");
    }

    AtomicFile file;
    if (!file.Begin(output) ||
        !WriteInstallerFromScr(file, images.stub, images.runtime, ViewOf(screenSaver)))
        return WriteFailed(output);
    switch (file.Commit(false)) {
        case CommitResult::kDone:
            return Created(output);
        case CommitResult::kTargetExists:
            WriteErr(output + ": " + kInstallerExists + "\n");
            return kExitUnwritable;
        case CommitResult::kFailed:
            break;
    }
    return WriteFailed(output);
}

}  // namespace vl::cli
