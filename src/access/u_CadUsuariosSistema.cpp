#include "access/u_CadUsuariosSistema.h"

#include "access/u_Acesso.h"
#include "core/u_Dialogos.h"
#include "core/u_Mascaras.h"
#include "core/u_ModuloDados.h"
#include "core/u_Valores.h"
#include "ui_u_CadUsuariosSistema.h"
#include "util/u_alicerce_com.h"

Tfrm_Usuarios_Sistema::Tfrm_Usuarios_Sistema(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::Tfrm_Usuarios_Sistema>())
{
    ui->setupUi(this);
    DefinirCaixa(ui->edt_usuario, TCaixa::Maiusculas);
    DefinirCaixa(ui->edt_senha, TCaixa::Maiusculas);
    connect(ui->btn_salvar, &QToolButton::clicked, this, &Tfrm_Usuarios_Sistema::btn_salvarClick);
    connect(ui->btn_sair, &QToolButton::clicked, this, &QDialog::reject);
}

Tfrm_Usuarios_Sistema::~Tfrm_Usuarios_Sistema() = default;

void Tfrm_Usuarios_Sistema::btn_salvarClick()
{
    const QString login = ui->edt_usuario->text();
    const QString senha = ui->edt_senha->text();
    // usuário sem login ou sem senha não consegue entrar nunca
    if (login.trimmed().isEmpty()) {
        Dialogos().mensagem(QStringLiteral("Atenção\nInforme o usuário"));
        ui->edt_usuario->setFocus();
        return;
    }
    if (senha.isEmpty()) {
        Dialogos().mensagem(QStringLiteral("Atenção\nInforme a senha"));
        ui->edt_senha->setFocus();
        return;
    }
    QString problema = ProblemaNoTexto(login, 6, QStringLiteral("Usuário"));
    if (!problema.isEmpty()) {
        Dialogos().mensagem(QStringLiteral("Atenção\n") + problema);
        ui->edt_usuario->setFocus();
        return;
    }
    problema = ProblemaNaSenha(senha);
    if (!problema.isEmpty()) {
        Dialogos().mensagem(problema);
        ui->edt_senha->setFocus();
        return;
    }
    if (ModuloDados->UsuarioExiste(login)) {
        Dialogos().mensagem(QStringLiteral("Atenção\nEste usuário já existe"));
        return;
    }
    ModuloDados->Executar(
        {QStringLiteral("INSERT INTO USUARIOS(CDLOGIN,CDSENHA)"), QStringLiteral("VALUES (:CDLOGIN, :CDSENHA)")},
        {{QStringLiteral("CDLOGIN"), login}, {QStringLiteral("CDSENHA"), Crypt(QStringLiteral("C"), senha)}});
    Dialogos().mensagem(QStringLiteral("Atenção\nUsuário cadastrado com sucesso"));
    accept();
}
