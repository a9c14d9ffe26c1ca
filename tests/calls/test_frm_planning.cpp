#include "ambiente_test.h"
class T : public QObject { Q_OBJECT };
CORVEXT_TEST_MAIN(T)
#include "test_frm_planning.moc"
