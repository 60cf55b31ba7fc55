#ifndef SIMOPTIONS_H
#define SIMOPTIONS_H

#include "SimConfig.h"

#include <QStringList>

// The command line of zyvent-unit-sim, read into a start configuration.
class CSimOptions
{
public:
    // False with a message in `error` for a bad option; `helpText` is set
    // (and true returned) when --help was asked for.
    static bool parse(const QStringList& arguments, SSimConfig& config, bool& verbose,
                      QString& helpText, QString& error);
};

#endif // SIMOPTIONS_H
