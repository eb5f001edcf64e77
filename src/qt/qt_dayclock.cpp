#include "qt/qt_dayclock.h"

#include <QTime>

namespace sumdart {

double QtDayClock::secondsSinceMidnight() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

}  // namespace sumdart
