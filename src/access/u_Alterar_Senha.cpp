#include "access/u_Alterar_Senha.h"

#include <QApplication>

#include "access/u_Acesso.h"
#include "core/u_Dialogos.h"
#include "core/u_ModuloDados.h"
#include "core/u_Telas.h"
#include "ui_u_Alterar_Senha.h"
#include "util/u_alicerce_com.h"

namespace {
QString senhaGravada(const QString& login, bool* existe)
{
    const QVariant cifrada =
        ModuloDados->LerValor({QStringLiteral("SELECT CDSENHA FROM USUARIOS WHERE CDLOGIN = :CDLOGIN")},
                              {{QStringLiteral("CDLOGIN"), login}});
    if (existe)
        *existe = cifrada.isValid();
    try {
        return Crypt(QStringLiteral("D"), cifrada.toString());
    } catch (const std::exception&) {
        return QString(); // senha gravada que não decifra: nenhuma digitada confere
    }
}

// Da janela principal (Configurações): troca a senha do usuário conectado.
TRegistroTela registroAlterarSenha("AlterarSenha", [](QWidget* pai) {
    Tfrm_Alterar_Senha janela(pai);
    janela.pn_Login()->setText(ModuloDados->vp_usuario_conectado);
    Dialogos().executarModal(&janela);
});
} // namespace

Tfrm_Alterar_Senha::Tfrm_Alterar_Senha(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::Tfrm_Alterar_Senha>())
{
    ui->setupUi(this);
    connect(ui->IMG_Confirmar, &QToolButton::clicked, this, &Tfrm_Alterar_Senha::IMG_ConfirmarClick);
    // a conferência roda quando o foco sai do campo para outro desta janela
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* antigo, QWidget* novo) {
        if (antigo == ui->edt_Senha_Atual && novo && novo != antigo && isAncestorOf(novo))
            edt_Senha_AtualExit(novo);
    });
}

Tfrm_Alterar_Senha::~Tfrm_Alterar_Senha() = default;

QLabel* Tfrm_Alterar_Senha::pn_Login() const
{
    return ui->pn_Login;
}

bool Tfrm_Alterar_Senha::ConfereSenhaAtual()
{
    if (ui->edt_Senha_Atual->text() == senhaGravada(ui->pn_Login->text(), nullptr))
        return true;
    Dialogos().mensagem(QStringLiteral("Atenção\nSua senha atual digitada está errada!"));
    return false;
}

void Tfrm_Alterar_Senha::edt_Senha_AtualExit(QWidget*)
{
    if (!ConfereSenhaAtual())
        ui->edt_Senha_Atual->setFocus(); // a saída do campo fica sem efeito
}

void Tfrm_Alterar_Senha::IMG_ConfirmarClick()
{
    const QString nova = ui->edt_Nova_Senha2->text();
    if (ui->edt_Nova_Senha1->text() != nova) {
        Dialogos().mensagem(QStringLiteral("Atenção\nSenhas não conferem"));
        return;
    }
    // senha vazia cifra para vazio, e o login exige senha: o usuário ficaria de fora
    if (nova.isEmpty()) {
        Dialogos().mensagem(QStringLiteral("Atenção\nInforme a nova senha"));
        ui->edt_Nova_Senha1->setFocus();
        return;
    }
    const QString problema = ProblemaNaSenha(nova);
    if (!problema.isEmpty()) {
        Dialogos().mensagem(problema);
        ui->edt_Nova_Senha1->setFocus();
        return;
    }
    bool existe = false;
    const QString atual = senhaGravada(ui->pn_Login->text(), &existe);
    if (!existe) {
        Dialogos().mensagem(QStringLiteral("Atenção\nUsuário não cadastrado"));
        return;
    }
    // confere de novo: sem isso quem soubesse só o login trocaria a senha de outro
    if (ui->edt_Senha_Atual->text() != atual) {
        Dialogos().mensagem(QStringLiteral("Atenção\nSua senha atual digitada está errada!"));
        ui->edt_Senha_Atual->setFocus();
        return;
    }
    ModuloDados->Executar(
        {QStringLiteral("UPDATE USUARIOS SET CDSENHA = :CDSENHA"), QStringLiteral("WHERE CDLOGIN = :CDLOGIN")},
        {{QStringLiteral("CDSENHA"), Crypt(QStringLiteral("C"), nova)},
         {QStringLiteral("CDLOGIN"), ui->pn_Login->text()}});
    Dialogos().mensagem(QStringLiteral("Confirmado\nSua senha foi alterada!"));
    accept();
}
