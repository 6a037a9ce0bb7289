#pragma once

#include "textcatalog/LangComps.h"
#include "textcatalog/uLangBasics.h"
#include "ui/Edit.h"
#include "ui/GroupHeader.h"
#include "ui/Panel.h"
#include "ui/ToolButton.h"

// The program's window: a prepared message to the product's support, read-only in three fields,
// with a button that hands it to the user's mail client and one that closes the program.
class TPreparedMailForm : public TVexaForm {
public:
    explicit TPreparedMailForm(const TFormCreation& creation);

    // The designed controls, owned by the form.
    TGroupHeader* grphRecipient;
    TPanel* pnRecepient;
    TGroupHeader* grphBody;
    TPanel* pnBody;
    TEdit* edRecipient;
    TMemo* memoBody;
    TGroupHeader* grphSubject;
    TPanel* pnSubject;
    TEdit* edSubject;
    TPanel* pnButtons;
    TLangButton* btnOk;
    TToolButton* btnMapi;

    void FormCreate();
    void btnMapiClick();
    void btnOkClick();
    void pnButtonsResize();
};

// Whether the mail library can be loaded; it is released again at once.
bool MailLibraryAvailable();
