#ifndef SERIALNRQUESTION_H
#define SERIALNRQUESTION_H

// Asks the user which serial number the rows of an imported file belong to,
// when the file has no SNR column. The program answers with the serial-number
// dialog; tests answer directly.
class CSerialNrQuestion
{
public:
    virtual ~CSerialNrQuestion() = default;

    // A positive serial number, 0 for "Import without serial number", or -1
    // when the user cancelled the import.
    virtual int askSerialNr() = 0;
};

#endif // SERIALNRQUESTION_H
