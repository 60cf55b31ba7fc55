#ifndef LOGNAMES_H
#define LOGNAMES_H

// Names of the 100 family's log codes, as the text reports and the test
// panels print them. Texts are UTF-8 (QString(const char*) reads them right).
// A code outside a table gives the table's own "unknown" text where the unit's
// documentation names one ("??", "- ?? -"), else an empty text.

class CLogNames
{
public:
    static const char* operationModeName(int nCode);  // 0-6, else "??"
    static const char* defrostName(int nCode);        // 0-3, else ""
    static const char* reasonName(int nCode);         // ventilation reason 0-7, else "- ?? -"
    static const char* errorStateName(int nCode);     // 0-22, else "??"
    static const char* ventPositionName(int nCode);   // flap position 0-31, else ""
    // Room area in m2 of a room-area code 0-5; 0 for any other code.
    static int roomArea(int nCode);
};

#endif // LOGNAMES_H
