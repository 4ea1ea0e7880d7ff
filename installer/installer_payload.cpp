#include "installer/installer_payload.h"

#include "package/fixed_images.h"

namespace vl {

HGLOBAL AllocateFixedBlock(SIZE_T size) {
    return GlobalAlloc(GMEM_FIXED, size ? size : 1);
}

PayloadRead ReadInstallerPayload(const char* path, Payload& payload, BlockAllocator allocate) {
    payload.block.Reset();
    payload.size = 0;
    FileHandle own(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!own)
        return PayloadRead::kCannotOpen;
    LARGE_INTEGER size;
    LARGE_INTEGER start;
    start.QuadPart = kStubImageSize;
    if (!GetFileSizeEx(own.Get(), &size) || size.QuadPart < start.QuadPart ||
        !SetFilePointerEx(own.Get(), start, nullptr, FILE_BEGIN)) {
        return PayloadRead::kCorrupted;
    }
    if (size.QuadPart - start.QuadPart > MAXDWORD)
        return PayloadRead::kNoMemory;
    const DWORD payloadSize = static_cast<DWORD>(size.QuadPart - start.QuadPart);
    payload.block.Reset(allocate(payloadSize));
    if (!payload.block)
        return PayloadRead::kNoMemory;
    DWORD read = 0;
    if ((payloadSize > 0 &&
         !ReadFile(own.Get(), payload.block.Get(), payloadSize, &read, nullptr)) ||
        read != payloadSize) {
        payload.block.Reset();
        return PayloadRead::kCorrupted;
    }
    payload.size = payloadSize;
    return PayloadRead::kDone;
}

const char* PayloadReadMessage(PayloadRead result) {
    switch (result) {
        case PayloadRead::kCannotOpen:
            return "Cannot open installer file!";
        case PayloadRead::kCorrupted:
            return "Installer file corrupted!";
        case PayloadRead::kNoMemory:
            return "No enough memory.";
        default:
            return nullptr;
    }
}

}  // namespace vl
