// Resource ids of Glint.
#pragma once

// The preview picture; the builder overwrites its data in place, so it stays 96 x 112 with 256
// colours.
#define IDB_PREVIEW 144
