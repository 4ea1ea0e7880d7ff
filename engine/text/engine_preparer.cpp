#include "engine/text/engine_preparer.h"

#include "engine/text/text_bitmap.h"

namespace vl {

EngineObjectPreparer::EngineObjectPreparer()
    : ImagePreparer([](ImageEntry& image) { return RenderText(image); }) {}

}  // namespace vl
