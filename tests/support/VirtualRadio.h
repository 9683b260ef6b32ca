#pragma once
// The virtual radio this build made, as a child process of the test.

#include "virtual-radio/RadioProcess.h"

class TVirtualRadio : public TVirtualRadioProcess {
public:
    explicit TVirtualRadio(const QStringList& arguments)
        : TVirtualRadioProcess(QStringLiteral(K640_VIRTUAL_RADIO_PATH), arguments)
    {
    }
};
