#include "package/scene_saving.h"

#include "package/atomic_file.h"
#include "scene/byte_stream.h"
#include "scene/scene_file.h"

namespace vl {
namespace {

// Streams a ByteWriter's pieces onto the end of the file.
class AppendSink final : public ByteSink {
  public:
    explicit AppendSink(OutputFile& file) : file_(file) {}
    bool Put(const std::uint8_t* data, std::size_t size) override {
        return file_.Append(data, size);
    }

  private:
    OutputFile& file_;
};

}  // namespace

bool SaveSceneAtomically(EntryList& entries, const std::string& path) {
    AtomicFile file;
    if (!file.Begin(path))
        return false;
    AppendSink sink(file);
    ByteWriter out(sink);
    if (!WriteSceneFile(entries, out))
        return false;  // the temporary file goes with `file`
    // Scenes run to hundreds of megabytes; the move alone keeps a failed write from spoiling the
    // old file, so the bytes are left to the system's cache.
    return file.Commit(true, CommitCache::kCached) == CommitResult::kDone;
}

}  // namespace vl
