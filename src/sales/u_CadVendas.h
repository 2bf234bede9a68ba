#pragma once
// Tela de vendas (o caixa): produtos por código de barras ou pela lista, correção e exclusão de
// linhas, cliente, forma de pagamento, troco e gravação. A venda aberta vive na base (linhas com
// o próximo número); a janela atende várias vendas seguidas até o Esc.
#include <QDialog>
#include <memory>

namespace Ui {
class Tfrm_CadVendas;
}
class QAction;
class QLabel;
class QMenuBar;

class Tfrm_CadVendas : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_CadVendas(QWidget* parent = nullptr);
    ~Tfrm_CadVendas() override;

    QAction* Salvar1 = nullptr;
    QAction* Imprimir1 = nullptr;
    QAction* GerenciarVendas1 = nullptr;
    QMenuBar* MainMenu1 = nullptr;

    // Número da última venda gravada nesta janela (0: nenhuma ainda).
    int ultimaVendaGravada() const { return m_ultimaVenda; }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void done(int resultado) override;

private:
    void edt_ProdutoEnter();
    void AdicionarProduto(int cdProduto);
    void AtualizarItens();
    int QtdeItens() const;
    void btnFecharClick();
    void Salvar1Click();
    void btnBuscarClienteClick();
    void cb_FormaPagamentoChange(const QString& texto);
    void edt_pagoEnter();
    void btn_GravarVendaClick();
    void ExcluirItem();
    void CorrigirItem();
    void Imprimir1Click();
    void GerenciarVendas1Click();
    void ImprimirVenda(int nrVenda);

    std::unique_ptr<Ui::Tfrm_CadVendas> ui;
    QLabel* m_painelImpressora = nullptr;
    QLabel* m_painel2 = nullptr;
    int m_ultimaVenda = 0;
};
