#pragma once
// Formato do material de um pedido de compra (MATERIAL_PEDIDO): cada linha da lista termina em
// "#" e vai seguida de CR LF. A janela do pedido e a impressão leem pela mesma regra.
#include <QString>
#include <QStringList>

// Junta as linhas da lista (cada uma já com o seu "#") como o texto gravado.
QString TextoDoMaterial(const QStringList& linhas);
// Corta o texto depois de cada "#": cada pedaço, sem a quebra de linha que o separa do "#"
// anterior, é uma linha e fica com o seu "#"; o que vem depois do último "#" é descartado.
// Não há escape: "CABO #2#" volta como "CABO #" e "2#".
QStringList LinhasDoMaterial(const QString& texto);
