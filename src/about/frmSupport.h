#pragma once
// The Support window: asks the user to recommend the maker's site and opens
// its recommend page.

#include "platform/Form.h"

class FrmSupport : public forms::Form {
public:
    FrmSupport();

    forms::Control Command1, Label2, Label1;

protected:
    void Control_Click(int controlId) override;

private:
    void Command1_Click();
};

extern FrmSupport frmSupport;
