#pragma once
// Pedido de compra: material que um cliente pediu para a loja conseguir (peça de uma marca e
// modelo). Novo, busca pela lista de pedidos, alteração, exclusão e impressão.
#include <QDialog>
#include <memory>

namespace Ui {
class Tfrm_CadPedidodeCompra;
}
class QAction;
class QMenuBar;

class Tfrm_CadPedidodeCompra : public QDialog
{
    Q_OBJECT
public:
    // Modos (tag): 1 pedido novo ("Salvar" inclui), 2 alterando o pedido carregado.
    explicit Tfrm_CadPedidodeCompra(QWidget* pai = nullptr);
    ~Tfrm_CadPedidodeCompra() override;

    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

    void btn_SalvarClick();
    void btn_ImprimirClick();
    void btn_BuscarClick();
    void btn_ExcluirClick();
    void Imprimir1Click(); // pede o número do pedido
    void CarregarPedido(int numero);
    void LimparTela();

protected:
    void done(int resultado) override;
    void showEvent(QShowEvent* evento) override;

private:
    void PreencherMarcas();
    void PreencherStatus();
    void edt_MaterialEnter();
    void Imprimir(int numero);
    bool textosAceitos(const QString& material);
    void mostrarNumero(int numero); // 0: esconde "Pedido Nº"
    QStringList linhasDoMaterial() const;

    std::unique_ptr<Ui::Tfrm_CadPedidodeCompra> ui;
    QMenuBar* m_menu = nullptr;
    int m_tag = 1;
    // o cliente escolhido na caixa: a lista compartilhada pode ter mudado de linha (lista de pedidos)
    int m_cdCliente = 0;
    QString m_nomeCliente;
};
