#include "tests/hooks/RecordFaults.h"

#include <sqlite3.h>

namespace record_testing {

namespace {

// The layer's state, owned by this file for the test process.
struct Layer {
    sqlite3_vfs vfs{};
    sqlite3_vfs* real = nullptr;
    bool installed = false;
    Fault fault = Fault::None;
    int failAt = -1;
    int seen = 0;
} layer;

struct LayerFile {
    sqlite3_file base;
    sqlite3_file* real;  // the real file's object, right after this one
};

sqlite3_file* Real(sqlite3_file* file) { return reinterpret_cast<LayerFile*>(file)->real; }

// The injected result of this step, or SQLITE_OK to let it through.
int Injected(int writeError) {
    const int step = layer.seen++;
    if (layer.fault == Fault::None || step != layer.failAt) return SQLITE_OK;
    return layer.fault == Fault::DiskFull ? SQLITE_FULL : writeError;
}

int Close(sqlite3_file* file) { return Real(file)->pMethods->xClose(Real(file)); }
int Read(sqlite3_file* file, void* buffer, int amount, sqlite3_int64 offset) {
    return Real(file)->pMethods->xRead(Real(file), buffer, amount, offset);
}
int Write(sqlite3_file* file, const void* buffer, int amount, sqlite3_int64 offset) {
    const int injected = Injected(SQLITE_IOERR_WRITE);
    return injected != SQLITE_OK ? injected
                                 : Real(file)->pMethods->xWrite(Real(file), buffer, amount, offset);
}
int Truncate(sqlite3_file* file, sqlite3_int64 size) {
    const int injected = Injected(SQLITE_IOERR_TRUNCATE);
    return injected != SQLITE_OK ? injected : Real(file)->pMethods->xTruncate(Real(file), size);
}
int Sync(sqlite3_file* file, int flags) {
    const int injected = Injected(SQLITE_IOERR_FSYNC);
    return injected != SQLITE_OK ? injected : Real(file)->pMethods->xSync(Real(file), flags);
}
int FileSize(sqlite3_file* file, sqlite3_int64* size) {
    return Real(file)->pMethods->xFileSize(Real(file), size);
}
int Lock(sqlite3_file* file, int level) { return Real(file)->pMethods->xLock(Real(file), level); }
int Unlock(sqlite3_file* file, int level) { return Real(file)->pMethods->xUnlock(Real(file), level); }
int CheckReservedLock(sqlite3_file* file, int* out) {
    return Real(file)->pMethods->xCheckReservedLock(Real(file), out);
}
int FileControl(sqlite3_file* file, int op, void* arg) {
    return Real(file)->pMethods->xFileControl(Real(file), op, arg);
}
int SectorSize(sqlite3_file* file) { return Real(file)->pMethods->xSectorSize(Real(file)); }
int DeviceCharacteristics(sqlite3_file* file) {
    return Real(file)->pMethods->xDeviceCharacteristics(Real(file));
}
int ShmMap(sqlite3_file* file, int page, int size, int extend, void volatile** out) {
    return Real(file)->pMethods->xShmMap(Real(file), page, size, extend, out);
}
int ShmLock(sqlite3_file* file, int offset, int n, int flags) {
    return Real(file)->pMethods->xShmLock(Real(file), offset, n, flags);
}
void ShmBarrier(sqlite3_file* file) { Real(file)->pMethods->xShmBarrier(Real(file)); }
int ShmUnmap(sqlite3_file* file, int deleteFlag) {
    return Real(file)->pMethods->xShmUnmap(Real(file), deleteFlag);
}
int Fetch(sqlite3_file* file, sqlite3_int64 offset, int amount, void** out) {
    return Real(file)->pMethods->xFetch(Real(file), offset, amount, out);
}
int Unfetch(sqlite3_file* file, sqlite3_int64 offset, void* page) {
    return Real(file)->pMethods->xUnfetch(Real(file), offset, page);
}

// In the order of sqlite3_io_methods, version 3.
const sqlite3_io_methods kMethods = {3,
                                     Close,
                                     Read,
                                     Write,
                                     Truncate,
                                     Sync,
                                     FileSize,
                                     Lock,
                                     Unlock,
                                     CheckReservedLock,
                                     FileControl,
                                     SectorSize,
                                     DeviceCharacteristics,
                                     ShmMap,
                                     ShmLock,
                                     ShmBarrier,
                                     ShmUnmap,
                                     Fetch,
                                     Unfetch};

int Open(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags) {
    auto* wrapped = reinterpret_cast<LayerFile*>(file);
    wrapped->real = reinterpret_cast<sqlite3_file*>(wrapped + 1);
    const int opened = layer.real->xOpen(layer.real, name, wrapped->real, flags, outFlags);
    wrapped->base.pMethods = wrapped->real->pMethods != nullptr ? &kMethods : nullptr;
    return opened;
}

}  // namespace

void InstallFaultLayer() {
    if (layer.installed) return;
    layer.real = sqlite3_vfs_find(nullptr);
    layer.vfs = *layer.real;
    layer.vfs.zName = "lexadrill-faults";
    layer.vfs.szOsFile = static_cast<int>(sizeof(LayerFile)) + layer.real->szOsFile;
    layer.vfs.xOpen = Open;
    layer.vfs.pNext = nullptr;
    sqlite3_vfs_register(&layer.vfs, 1);
    layer.installed = true;
    FailStep(Fault::None, -1);
}

void RemoveFaultLayer() {
    if (!layer.installed) return;
    sqlite3_vfs_unregister(&layer.vfs);
    sqlite3_vfs_register(layer.real, 1);
    layer.installed = false;
}

void FailStep(Fault fault, int step) {
    layer.fault = fault;
    layer.failAt = step;
    layer.seen = 0;
}

int StepsSeen() { return layer.seen; }

}  // namespace record_testing
