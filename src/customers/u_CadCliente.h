#pragma once
// Cadastro de clientes: novo, busca pelo nome, alteração, exclusão, CEP pela consulta web.
// Também escolhe um cliente para quem abriu (modo 3).
#include <QDialog>
#include <memory>

namespace Ui {
class Tfrm_CadCliente;
}

// A regra de teclado do programa inteiro (a primeira abertura do cadastro a instala e ela fica):
// Enter e seta para baixo passam ao próximo controle da janela ativa, seta para cima ao anterior;
// a tecla continua chegando ao controle. Não vale em caixa de texto de várias linhas nem em caixa
// de mensagem.
void MudarComEnter();
bool MudarComEnterInstalado();

class Tfrm_CadCliente : public QDialog
{
    Q_OBJECT
public:
    // Modos (tag): 0 consulta, 1 cliente novo, 2 alterando o cliente carregado, 3 escolher para quem abriu.
    explicit Tfrm_CadCliente(QWidget* pai = nullptr);
    ~Tfrm_CadCliente() override;

    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }
    // Código do cliente carregado nos campos para alterar (0 se nenhum).
    int clienteCarregado() const { return m_clienteCarregado; }
    // Depois de cadastrar um cliente novo, deixa-o em vCDCONTROLE_CLIENTE e fecha (quem abriu
    // para cadastrar e já usar o cliente).
    void setFecharAoCadastrar(bool fechar) { m_fecharAoCadastrar = fechar; }

    void IMG_NovoClick();
    void IMG_SalvarClick();
    void IMG_ExcluirClick();
    void IMG_BuscarClick();
    void IMG_CancelarClick();
    void LimparCampos();

protected:
    void done(int resultado) override;
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void edt_NomeChange(const QString& texto);
    void edt_NomeExit();
    void edt_CPFExit();
    void edt_CEPExit();
    void dbg_ListaDeClientesDblClick();
    void dbg_ListaDeClientesCtrlDel();
    void mostrarMenuClientes(const QPoint& ponto);
    void CarregarClienteOferecido();
    bool Consistencia();
    bool textosAceitos();
    void perguntarSeCarrega();
    void mostrarBotoes(bool novo, bool salvar, bool excluir, bool buscar, bool cancelar);
    void ajustarColunas();
    void mostrarUF();
    void mostrarCidade(int codigo);
    int cidadeEscolhida() const;

    std::unique_ptr<Ui::Tfrm_CadCliente> ui;
    int m_tag = 0;
    int m_clienteCarregado = 0;
    bool m_fecharAoCadastrar = false;
};
