#pragma once

#include <QObject>

#include <atomic>

QT_BEGIN_NAMESPACE
// Qt's table of hooks for debugging tools (QtCore/private/qhooks_p.h). Its
// slots 3 and 4 are called as every QObject is made and destroyed, and have
// been since Qt 5.4; declared here so the tests need no private headers.
extern Q_CORE_EXPORT quintptr qtHookData[];
QT_END_NAMESPACE

// The number of QObjects alive in the process.
inline std::atomic<qint64> liveObjects{0};

// Counting starts before QApplication exists, so that nothing made earlier
// is destroyed uncounted. A test checks it to keep the initialiser linked in.
inline const bool countingObjects = [] {
    constexpr int addQObject = 3;
    constexpr int removeQObject = 4;
    qtHookData[addQObject] = reinterpret_cast<quintptr>(+[](QObject*) { ++liveObjects; });
    qtHookData[removeQObject] = reinterpret_cast<quintptr>(+[](QObject*) { --liveObjects; });
    return true;
}();
