#ifndef LOGNAMES_70_H
#define LOGNAMES_70_H

// Names of the 70 family's log codes, as the text reports and the test panels
// print them. A code outside a table gives the table's "unknown" text.

class CLogNames_70
{
public:
    static const char* operationModeName(int nCode);  // 0-4, else "??"
    static const char* fanStateName(int nCode);       // 0-5, else "??"
    static const char* reasonName(int nCode);         // ventilation reason 0-7, else "- ?? -"
    // Room area in m2 of a room-area code (b22 shifted right by 3) 0-5; 0 for any other.
    static int roomArea(int nCode);
};

#endif // LOGNAMES_70_H
