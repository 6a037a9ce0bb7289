#include "shell/PreparedMailForm.h"

#include "platform/DynamicLibrary.h"
#include "platform/SimpleMapi.h"
#include "shell/MailContent.h"
#include "shell/MailPicture.h"
#include "shell/SendMapiMail.h"
#include "textcatalog/BabelFishAdmin.h"

namespace {

TFont DesignedFont() {
    TFont font;
    font.Name = "Tahoma";
    font.Size = 8;
    font.Charset = kDefaultCharset;
    font.Color = clWindowText;
    return font;
}

template <class T>
T* Place(TComponent* owner, TWinControl* parent, const char* name, TRect bounds) {
    T* control = new T(owner); // owned by Owner from here on
    control->SetName(name);
    control->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    control->SetParent(parent);
    return control;
}

TGroupHeader* PlaceHeader(TComponent* owner, const char* name, int top) {
    auto* header = Place<TGroupHeader>(owner, static_cast<TWinControl*>(owner), name,
                                       MakeBounds(0, top, 554, 17));
    header->SetAlign(TAlign::Top);
    header->SetFont(DesignedFont());
    header->SetParentFont(false);
    return header;
}

TPanel* PlaceFieldPanel(TComponent* owner, const char* name, TRect bounds, TAlign align) {
    auto* panel = Place<TPanel>(owner, static_cast<TWinControl*>(owner), name, bounds);
    panel->SetAlign(align);
    panel->SetBorder(TPanelBorder::Flat);
    return panel;
}

TEdit* PlaceReadOnlyEdit(TComponent* owner, TPanel* panel, const char* name) {
    auto* edit = Place<TEdit>(owner, panel, name, MakeBounds(8, 6, 537, 21));
    edit->SetAnchors(akLeft | akTop | akRight);
    edit->SetReadOnly(true);
    edit->SetColor(clInfoBk);
    edit->SetTabOrder(0);
    return edit;
}

} // namespace

TPreparedMailForm::TPreparedMailForm(const TFormCreation& creation) : TVexaForm(creation) {
    SetName("PreparedMailForm");
    SetCaption("VEXA Mail");
    SetBorderStyle(TFormBorderStyle::Sizeable);
    SetPosition(TPosition::ScreenCenter);
    SetColor(clBtnFace);
    SetFont(DesignedFont());
    SetClientSize(554, 290);
    OnCreate = [this](TComponent&) {
        FormCreate();
    };

    grphRecipient = PlaceHeader(this, "grphRecipient", 0);
    pnRecepient = PlaceFieldPanel(this, "pnRecepient", MakeBounds(0, 17, 554, 41), TAlign::Top);
    pnRecepient->SetTabOrder(0);
    grphBody = PlaceHeader(this, "grphBody", 116);
    pnBody = PlaceFieldPanel(this, "pnBody", MakeBounds(0, 133, 554, 116), TAlign::Client);
    pnBody->SetTabOrder(2);
    edRecipient = PlaceReadOnlyEdit(this, pnRecepient, "edRecipient");

    memoBody = Place<TMemo>(this, pnBody, "memoBody", MakeBounds(8, 0, 537, 111));
    memoBody->SetAnchors(akAll);
    memoBody->SetReadOnly(true);
    memoBody->SetScrollBars(TScrollStyle::Vertical);
    memoBody->SetColor(clInfoBk);
    memoBody->SetTabOrder(0);
    memoBody->SetLines({});

    grphSubject = PlaceHeader(this, "grphSubject", 58);
    pnSubject = PlaceFieldPanel(this, "pnSubject", MakeBounds(0, 75, 554, 41), TAlign::Top);
    pnSubject->SetTabOrder(1);
    edSubject = PlaceReadOnlyEdit(this, pnSubject, "edSubject");

    pnButtons = Place<TPanel>(this, this, "pnButtons", MakeBounds(0, 249, 554, 41));
    pnButtons->SetAlign(TAlign::Bottom);
    pnButtons->SetTabOrder(3);
    pnButtons->OnResize = [this](TComponent&) {
        pnButtonsResize();
    };

    btnOk = Place<TLangButton>(this, pnButtons, "btnOk", MakeBounds(232, 6, 90, 25));
    btnOk->SetCaption("OK");
    btnOk->SetLangID(kOkCaptionId);
    btnOk->SetDefault(true);
    btnOk->SetModalResult(mrOk);
    btnOk->SetTabOrder(0);
    btnOk->OnClick = [this](TComponent&) {
        btnOkClick();
    };

    btnMapi = Place<TToolButton>(this, pnButtons, "btnMapi", MakeBounds(8, 1, 36, 36));
    btnMapi->SetPicture(MailPicture());
    btnMapi->SetShowHint(true);
    btnMapi->OnClick = [this](TComponent&) {
        btnMapiClick();
    };
}

void TPreparedMailForm::FormCreate() {
    BabelFishAdmin()->SelectLanguage("ENU");
    SetCaptionID(kMailCaptionId);
    grphRecipient->SetCaption(MailText(kRecipientHeaderId));
    grphSubject->SetCaption(MailText(kSubjectHeaderId));
    grphBody->SetCaption(MailText(kBodyHeaderId));
    edRecipient->SetText(kSupportAddress);
    edSubject->SetText(MailText(kMailSubjectId));
    memoBody->SetText(MailBody(kBodyShownId));
    btnMapi->SetHint(MailText(kSendHintId));
    btnMapi->SetEnabled(MailLibraryAvailable());
}

void TPreparedMailForm::btnMapiClick() {
    // The hand-off reports its own failure; the window stays open either way.
    const TPreparedMail mail = PreparedMail();
    SendMapiMail(mail.Subject, mail.Body, "", "", "", "", mail.Recipient);
}

void TPreparedMailForm::btnOkClick() {
    Close();
}

void TPreparedMailForm::pnButtonsResize() {
    btnOk->SetLeft((pnButtons->ClientWidth() - btnOk->Width()) / 2);
}

bool MailLibraryAvailable() {
    return TDynamicLibrary(MailLibraryName()).Loaded();
}
