#include "RenameCommand.h"

int runRename(const QStringList &args, CliIo &io)
{
    Q_UNUSED(args);
    io.err << "marlune-cli rename: not built yet\n";
    return CliFailed;
}
