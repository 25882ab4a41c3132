#include "platform/PaintingThread.h"

#include <QThread>
#include <QThreadPool>

#include <atomic>
#include <dlfcn.h>

namespace orv {
namespace {

std::atomic<const QThread*> g_alone{nullptr};

} // namespace

void PaintOnThisThreadAlone(bool alone)
{
    g_alone.store(alone ? QThread::currentThread() : nullptr, std::memory_order_relaxed);
}

} // namespace orv

// The toolkit's painter asks this before it slices. Defined in the program,
// it comes first in the dynamic symbol lookup and so answers the toolkit's
// libraries too; for every other thread, the toolkit's own answers.
bool QThreadPool::contains(const QThread* thread) const
{
    if (thread && thread == orv::g_alone.load(std::memory_order_relaxed)) return true;
    using Contains = bool (*)(const QThreadPool*, const QThread*);
    static const auto toolkits =
        reinterpret_cast<Contains>(dlsym(RTLD_NEXT, "_ZNK11QThreadPool8containsEPK7QThread"));
    return toolkits && toolkits(this, thread);
}
