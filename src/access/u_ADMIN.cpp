#include "access/u_ADMIN.h"

#include "core/u_Mascaras.h"
#include "ui_u_ADMIN.h"

const QString kSenhaJanelaADMIN = QStringLiteral("7");

Tfrm_ADMIN::Tfrm_ADMIN(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::Tfrm_ADMIN>())
{
    ui->setupUi(this);
    DefinirCaixa(ui->edt_SENHA, TCaixa::Maiusculas);
    connect(ui->IMG_Confirmar, &QToolButton::clicked, this, &Tfrm_ADMIN::IMG_ConfirmarClick);
}

Tfrm_ADMIN::~Tfrm_ADMIN() = default;

void Tfrm_ADMIN::IMG_ConfirmarClick()
{
    // sem mensagem nos dois casos: quem pediu a permissão mostra a recusa
    if (ui->edt_SENHA->text() == kSenhaJanelaADMIN)
        accept();
    else
        reject();
}
