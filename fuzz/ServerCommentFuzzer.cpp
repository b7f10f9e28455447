// Whatever a feedback client sends becomes exactly one line of the comments file.
#include "CommentLog.h"
#include "FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const QByteArray comment = input.rest();
    const QByteArray line = CommentLog::lineFor(QDateTime::fromSecsSinceEpoch(0, Qt::UTC),
                                                QHostAddress(QHostAddress::LocalHost), comment).toUtf8();
    fuzzCheck(!line.contains('\n') && !line.contains('\r'), "a comment stays on one line", QString::fromUtf8(line));
    fuzzCheck(line.count('\t') == 2, "only the two field separators are tabs", QString::fromUtf8(line));
    return 0;
}
