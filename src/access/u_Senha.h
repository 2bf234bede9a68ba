#pragma once
// Login: confere usuário e senha em USUARIOS (e o login embutido ADMIN) e guarda o usuário
// conectado no módulo de dados. Com USUARIOS vazia, deixa a loja definir a senha do ADMIN.
#include <QDialog>
#include <memory>

namespace Ui {
class Tfrm_Senha;
}

// A senha embutida do ADMIN, cifrada (nunca vai para o banco).
extern const QString kSenhaEmbutidaADMIN;

class Tfrm_Senha : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_Senha(QWidget* parent = nullptr);
    ~Tfrm_Senha() override;

    // Campos vazios: mostra a mensagem, põe o foco e devolve false.
    bool Valida_campos();
    // Uma tentativa de login (o botão OK).
    void Verifica_Senha();

    // USUARIOS estava vazia: a janela pede a senha do administrador em vez do login.
    bool PrimeiroAcesso() const { return m_primeiroAcesso; }

    // Da última tentativa: CDLOGIN e CDSENHA decifrada da linha achada (vazios sem linha).
    QString vl_CdLogin;
    QString vl_CdSenha;

protected:
    bool event(QEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void btn_okClick();
    void lbl_alterar_senhaClick();
    void DefinirSenhaDoAdministrador();
    void EntrarNoModo(bool primeiroAcesso);

    std::unique_ptr<Ui::Tfrm_Senha> ui;
    bool m_primeiroAcesso = false;
};
