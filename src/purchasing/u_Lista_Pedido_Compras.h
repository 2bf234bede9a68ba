#pragma once
// Lista de pedidos de compra por período e/ou cliente; a escolha fica em
// ModuloDados->vCDCONTROLE_PEDIDO_DE_COMPRA e a janela fecha com Accepted.
#include <QDate>
#include <QDialog>
#include <memory>

namespace Ui {
class Tfrm_Lista_Pedido_Compra;
}
class TDataset;

class Tfrm_Lista_Pedido_Compra : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_Lista_Pedido_Compra(QWidget* pai = nullptr);
    ~Tfrm_Lista_Pedido_Compra() override;

    // vDataInformada "S": só o período (as duas pontas entram); vCdCliente 0: qualquer cliente.
    void ListarPedidosPeriodo(const QDate& vDataInicial, const QDate& vDataFinal, const QString& vDataInformada,
                              int vCdCliente);
    TDataset* Qry_Pedidos_de_Compra() const { return m_pedidos.get(); }

protected:
    void done(int resultado) override;
    void keyPressEvent(QKeyEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void edt_DataFinalEnter();
    void Escolher();
    void ajustarColunas();

    std::unique_ptr<Ui::Tfrm_Lista_Pedido_Compra> ui;
    std::unique_ptr<TDataset> m_pedidos;
    // o cliente escolhido na caixa (não a linha atual da lista compartilhada)
    int m_cdCliente = 0;
    QString m_nomeCliente;
};
