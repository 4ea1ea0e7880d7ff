// Reading the screen saver that follows Ferrule's own image in its file: one block, filled by
// one read. Free of the C++ library, like the rest of Ferrule.
#pragma once

#include <windows.h>

#include "framework/handles.h"

namespace vl {

enum class PayloadRead { kDone, kCannotOpen, kCorrupted, kNoMemory };

// Gives a fixed block of size bytes (its handle is its address), or null.
using BlockAllocator = HGLOBAL (*)(SIZE_T size);
HGLOBAL AllocateFixedBlock(SIZE_T size);

struct Payload {
    GlobalMemory block;  // fixed memory: the handle is the address of the bytes
    DWORD size = 0;
};

// Everything from the end of the stub image to the end of the file at path. kCorrupted when the
// file is shorter than the stub image or cannot be read to its end; kNoMemory when the payload
// does not fit into one block: more than one read can fill, or more than allocate gives.
PayloadRead ReadInstallerPayload(const char* path, Payload& payload,
                                 BlockAllocator allocate = &AllocateFixedBlock);

// The message Ferrule shows for a failed read; null for kDone.
const char* PayloadReadMessage(PayloadRead result);

}  // namespace vl
