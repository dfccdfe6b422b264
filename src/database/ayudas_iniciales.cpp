#include "database/ayudas_iniciales.h"

#include "database/base_datos.h"

#include <QString>

namespace {

// How the record screens work; every one of them adds its own part before it.
const char* const kFormularioRegistros = R"(
Cómo se trabaja en esta pantalla:
- La grilla muestra los registros cargados. Un click sobre el encabezado de una columna los ordena por esa columna, cuando ese orden está disponible.
- Agregar abre el recuadro de datos para cargar un registro nuevo; Modificar, para cambiar el registro seleccionado en la grilla.
- Grabar controla los datos y guarda el registro; si algo falta o es incorrecto, un mensaje lo indica y el cursor queda en el dato a corregir. Cancelar descarta lo cargado.
- Borrar elimina el registro seleccionado después de pedir confirmación. El sistema no deja borrar un registro que otros datos están usando, y lo explica en un mensaje.
- Salir cierra la pantalla.
- Mientras se carga o modifica un registro la grilla queda bloqueada hasta Grabar o Cancelar.)";

// How the three entry screens work.
const char* const kFormularioEntrada = R"(
Cómo se trabaja en esta pantalla:
- La grilla muestra los comprobantes ya cargados en la declaración activa. Un click sobre el encabezado de una columna los ordena por ella.
- Nueva abre el recuadro de datos para un comprobante nuevo. Escriba el número de inscripción del sujeto o búsquelo con el botón que está a su lado; el programa muestra la razón social y la alícuota que corresponde al sujeto en el régimen activo.
- Complete el día, el concepto (puede elegirlo con el botón de conceptos) y los importes. El programa calcula el importe retenido o percibido.
- Grabar controla los datos, le da al comprobante el número siguiente de la sucursal activa y lo guarda. Cancelar descarta lo cargado.
- Imprimir Comprob. imprime el comprobante seleccionado.
- Salir cierra la pantalla.
El número de comprobante lo da el programa y no se repite dentro de la sucursal.)";

struct Ayuda {
    const char* clave;
    const char* texto;
    const char* comun = nullptr;  // a shared part added after the screen's own text
};

const Ayuda kAyudas[] = {
    {"frmPrincipal", R"(VENTANA PRINCIPAL

Tarquel lleva, para cada agente de recaudación del Impuesto sobre los Ingresos Brutos, sus sucursales, los sujetos a quienes retiene o percibe y las declaraciones juradas mensuales con sus retenciones y percepciones; al cerrar cada mes genera el archivo de la declaración que el agente presenta y la imprime junto con la boleta de pago.

Las dos barras de la parte inferior muestran el entorno de trabajo: el agente, la sucursal y el régimen activos, y el mes, el año y el número de rectificativa de la declaración jurada activa. Casi todas las tareas trabajan sobre ese entorno. El programa lo recuerda al cerrarse y lo recupera al volver a iniciarse.

Los menús:
- Archivo: el documento Leame.doc, con la guía general del programa, y Salir.
- Administración: las tablas del sistema (conceptos, sujetos, agentes, sucursales, regímenes, alícuotas, vencimientos y tasas). Según el régimen activo aparecen además las tablas propias de ese régimen: ganado, cereales, alimentos, remesas de obleas y agentes de policía caminera.
- Procesos: se habilita cuando hay una sucursal y un régimen activos. Allí se crean, activan, rectifican y emiten las declaraciones juradas; con una declaración activa se graban las retenciones y percepciones.
- Informes: consulta de las retenciones y percepciones de cada declaración.
- Servicios: compactación de la base de datos, importación de sujetos y de declaraciones, eliminación de los sujetos no utilizados y aviso de actualizaciones del sistema.

El recorrido de cada mes:
1. Administración > Agentes: seleccione el agente y presione Activar. Se activa también su primera sucursal.
2. Administración > Sucursales: active otra sucursal, si corresponde.
3. Administración > Regímenes: active el régimen.
4. Procesos > Altas/Bajas/Modificaciones de DDJJ: cree la declaración del mes. Luego actívela con Procesos > Activar Declaración Jurada.
5. Procesos > Grabar Ret./Perc.: cargue los comprobantes del mes.
6. Procesos > Emitir y generar Archivo: cierre la declaración, genere el archivo para presentar e imprima la declaración y la boleta de pago.

Haga copias de seguridad periódicas del archivo BDR.mdb: contiene todos los datos del programa.

Presione F1 en cualquier pantalla para ver su ayuda.)"},

    {"frmAgentes", R"(AGENTES DE RETENCIÓN/PERCEPCIÓN

Aquí se registran los agentes de recaudación con que trabaja el programa: número de inscripción (con su dígito verificador), C.U.I.T., razón social, domicilio, localidad y condición frente al IVA.

Al grabar un agente nuevo el programa le crea la sucursal 0000, con el domicilio y la localidad del agente.

Activar hace activo el agente seleccionado junto con su primera sucursal; la barra inferior de la ventana principal lo muestra. Un doble click sobre la grilla activa el agente y cierra la pantalla.

Al borrar un agente se borran con él su sucursal y sus declaraciones juradas. No se puede borrar un agente que tiene más de una sucursal o cuya sucursal ya emitió comprobantes.)",
     kFormularioRegistros},

    {"frmSucursales", R"(SUCURSALES

Aquí se registran las sucursales del agente activo. Cada sucursal lleva su propia numeración de comprobantes: el número del último comprobante que emitió, que el programa avanza al grabar cada retención o percepción.

Activar hace activa la sucursal seleccionada; la barra inferior de la ventana principal la muestra. Un doble click sobre la grilla activa la sucursal y cierra la pantalla.

No se puede borrar una sucursal que tiene declaraciones juradas.)",
     kFormularioRegistros},

    {"frmRegimenes", R"(REGÍMENES

Lista de los regímenes de recaudación (retenciones, percepciones y los regímenes especiales) con su código y descripción.

Seleccione un régimen y presione Activar para hacerlo el régimen activo; la barra inferior de la ventana principal lo muestra. Un doble click sobre la lista activa el régimen y cierra la pantalla.

Según el régimen activo, los menús de la ventana principal muestran las opciones propias de él: ganado, cereales, alimentos, remesas de obleas o policía caminera.

Los regímenes vienen con el programa; esta pantalla no los modifica. Salir cierra la lista.)"},

    {"frmContribuyentes", R"(SUJETOS RETENIDOS/PERCIBIDOS

Aquí se registran los sujetos a quienes los agentes retienen o perciben el impuesto: número de inscripción en Ingresos Brutos, C.U.I.T., razón social y domicilio.

El número de inscripción tiene diez dígitos: los tres primeros indican la jurisdicción (000 para los inscriptos locales, o la jurisdicción del Convenio Multilateral) y el último es el dígito verificador, que el programa controla.

- Agregar No Inscripto: para un sujeto que no está inscripto en el impuesto. El programa le da un número que empieza con 950, que sirve solo para registrar la retención o percepción; recuerde exigir y archivar la constancia de inscripción.
- Agregar Extranjero: para un sujeto del exterior; el número empieza con 999 y también lo da el programa.
- Marque "Presentó Constancia de No Retención" cuando el sujeto la haya presentado.

El tipo de sujeto, que el programa deduce de la jurisdicción y de la constancia, decide la alícuota que se le aplica en cada régimen.

Cuando esta pantalla se abre desde una carga de comprobantes, el botón Seleccionar (o un doble click) lleva el sujeto elegido al comprobante.

No se puede borrar un sujeto que tiene retenciones o percepciones cargadas.)",
     kFormularioRegistros},

    {"frmConceptos", R"(CONCEPTOS DE RETENCIONES/PERCEPCIONES

Aquí se registran los conceptos, de dos dígitos, bajo los cuales se cargan las retenciones y percepciones (por ejemplo 00, Operaciones en general).

Un concepto se agrega o se borra; no se modifica. No se puede borrar un concepto que tiene retenciones cargadas, ni los conceptos reservados por el sistema.

Cuando esta pantalla se abre desde una carga de comprobantes, el botón Seleccionar (o un doble click) lleva el concepto elegido al comprobante.)",
     kFormularioRegistros},

    {"frmAlicuotas", R"(ALÍCUOTAS

Aquí se registran las alícuotas, en porcentaje, que corresponden a cada régimen y a cada tipo de sujeto. Al cargar un comprobante el programa toma de esta tabla la alícuota del régimen activo para el tipo del sujeto.

Indique el código del régimen (el programa muestra su descripción), el tipo de sujeto y la alícuota, con hasta dos decimales y como máximo 99,99.

Algunas alícuotas las fija el propio sistema y se restablecen cada vez que se inicia el programa; las de los regímenes 11 y 12 no se pueden modificar desde esta pantalla.)",
     kFormularioRegistros},

    {"frmTasas", R"(TASAS DE INTERÉS

Aquí se registran las tasas de interés mensuales por pago fuera de término. Cada tasa rige desde su fecha de vigencia hasta la fecha de vigencia de la siguiente.

La boleta de pago de una declaración y la boleta de depósito de un turno de policía las usan para calcular los intereses desde el vencimiento hasta la fecha de pago.

Ingrese la fecha de vigencia (día/mes/año) y la tasa en porcentaje.)",
     kFormularioRegistros},

    {"frmVencimientos", R"(VENCIMIENTOS

Aquí se registra, para cada mes, la fecha en que vence el pago de la declaración jurada. La boleta de pago de una declaración y la boleta de depósito de un turno de policía buscan aquí el vencimiento y calculan los intereses desde esa fecha.

Al Agregar, el programa propone el mes siguiente al último cargado; complete la fecha de vencimiento (día/mes/año), que no puede ser anterior al mes indicado.)",
     kFormularioRegistros},

    {"frmTipos", R"(TIPOS

Esta pantalla lleva los valores unitarios con que se valorizan los detalles de los comprobantes en los regímenes especiales. Según cómo se abrió muestra:
- Ganado: las categorías de hacienda de las guías.
- Cereales: los tipos de oblea de los regímenes de granos, con el valor de cada oblea.
- Alimentos: los conceptos de transporte de productos alimenticios.

Ingrese el código, la descripción y el valor. Algunos valores los fija el propio sistema y se restablecen cada vez que se inicia el programa.

Cuando esta pantalla se abre desde la carga de los detalles de un comprobante, el botón Seleccionar (o un doble click) lleva el código elegido al detalle.

No se puede borrar un tipo que ya usan guías u obleas cargadas.)",
     kFormularioRegistros},

    {"frmPolicias", R"(AGENTES POLICIALES

Aquí se registran los agentes de la policía caminera que cobran las multas en los puestos de control y realizan las intervenciones sobre el transporte de granos (régimen 13).

Cuando esta pantalla se abre desde la carga de comprobantes o de intervenciones, el botón Seleccionar (o un doble click) lleva el agente elegido a esa pantalla.)",
     kFormularioRegistros},

    {"frmRetenciones", R"(GRABAR RETENCIONES/PERCEPCIONES

En esta pantalla se cargan los comprobantes de retención o percepción de la declaración jurada activa, en los regímenes generales.

Según el régimen aparecen opciones propias: las operaciones de construcción, las comisiones de seguros y, en el régimen 14, el número de oblea.

Corregir permite arreglar un comprobante importado con errores. Anular deja sin efecto el comprobante seleccionado: queda en la declaración como anulado y su número no se vuelve a usar.)",
     kFormularioEntrada},

    {"frmRetenciones_B", R"(GRABAR RETENCIONES/PERCEPCIONES (REGÍMENES CON DETALLE)

En esta pantalla se cargan los comprobantes de la declaración jurada activa en los regímenes de hacienda, granos, alimentos y remates.

Además de los datos del comprobante se cargan sus detalles, en pantallas que se abren desde esta: las guías, las obleas, los conceptos de transporte de alimentos o los anticipos, según el régimen. El programa suma los detalles y descuenta del comprobante las otras retenciones que correspondan.

Anular deja sin efecto el comprobante seleccionado: queda en la declaración como anulado y su número no se vuelve a usar.)",
     kFormularioEntrada},

    {"frmRetenciones_C", R"(GRABAR RETENCIONES (POLICÍA CAMINERA)

En esta pantalla se cargan los comprobantes del régimen 13, que se cobran en los puestos de control de la policía caminera.

Para cargar comprobantes la declaración activa debe tener un turno abierto (Procesos > Administración de Turnos Policía) y el agente debe tener remesas de obleas registradas.

En cada comprobante se cargan las obleas vendidas y el agente policial que cobra; cuando corresponde, el programa calcula la multa sobre el valor de las obleas y la registra en el turno abierto. En este régimen los comprobantes no se anulan.)",
     kFormularioEntrada},

    {"frmRetxCab", R"(CONSULTA DE RETENCIONES/PERCEPCIONES POR DECLARACIÓN

Esta pantalla permite consultar, sin modificar nada, todas las declaraciones juradas cargadas, de cualquier agente, sucursal y régimen.

- La grilla superior muestra las declaraciones. Al seleccionar una, la grilla inferior muestra sus retenciones y percepciones, con la cantidad de registros y los totales bruto y retenido.
- "Mostrar concepto" limita la grilla inferior a un solo concepto.
- Un click sobre el encabezado de una columna ordena la grilla por esa columna, cuando ese orden está disponible.
- Puede armar una lista de comprobantes para imprimirlos juntos, y también imprimir el listado de la declaración seleccionada.
- Salir cierra la pantalla.)"},

    {"Importar Sujetos", R"(IMPORTAR SUJETOS

Incorpora al programa los sujetos de un archivo de texto que genera el sistema del propio agente, con un registro por línea en el formato que fija el organismo.

1. Escriba el nombre completo del archivo o búsquelo con el botón Buscar.
2. El programa revisa la primera línea del archivo y muestra el resultado; si el archivo es correcto se habilita el botón Importar.
3. Presione Importar. El programa lee el archivo línea por línea, controla cada sujeto (jurisdicción, dígitos verificadores, C.U.I.T.) y guarda los que son correctos. Los sujetos que ya existen no se modifican.
4. Al terminar muestra un resumen y deja en la carpeta de datos del programa un reporte con el nombre del archivo seguido de .log (por ejemplo SUJETOS.TXT.log), con las líneas descartadas y sus motivos.

Si la importación se interrumpe por un error, no se guarda ningún sujeto.

Instrucciones abre el documento que describe el formato del archivo. Cerrar cierra la pantalla.)"},

    {"Importar DDJJ", R"(IMPORTAR DDJJ

Incorpora una declaración jurada mensual completa (sus retenciones o percepciones y los detalles de cada comprobante) desde un archivo de texto que genera el sistema del propio agente, en el formato que fija el organismo.

1. Escriba el nombre completo del archivo o búsquelo con el botón Buscar.
2. El programa revisa la primera línea del archivo y muestra el resultado; si el archivo es correcto se habilita el botón Importar.
3. Presione Importar. El programa crea la declaración del agente, la sucursal, el régimen y el mes que indica el archivo, y guarda sus comprobantes dándoles los números siguientes de la sucursal. Si la declaración ya existe debe estar abierta; si ya tiene comprobantes, el programa pregunta si se reemplazan (Sí) o si se agregan los del archivo (No). Los comprobantes con errores quedan marcados para corregirlos después desde la carga de retenciones.
4. Al terminar muestra un resumen y deja en la carpeta de datos del programa un reporte con el nombre del archivo seguido de .log (por ejemplo DDJJ.TXT.log), con los errores encontrados.

Si la importación se interrumpe por un error, no se guarda nada: ni la declaración, ni sus comprobantes, ni la numeración de la sucursal.

Una declaración importada por error se puede deshacer con Servicios > Deshacer DDJJ importadas, mientras no esté cerrada.

Instrucciones abre el documento que describe el formato del archivo. Cerrar cierra la pantalla.)"},

    {"frmC-Altas, Bajas y ", R"(ALTAS, BAJAS Y MODIFICACIONES DE DECLARACIONES

Aquí se crean las declaraciones juradas del agente, la sucursal y el régimen activos. La lista muestra las declaraciones originales que todavía no tienen comprobantes, de la más reciente a la más antigua.

- Crear: el programa propone el año y el mes actuales; corríjalos si hace falta y presione Grabar. No puede haber dos declaraciones del mismo mes.
- Modificar: cambia el año o el mes de la declaración seleccionada.
- Borrar: elimina la declaración seleccionada, después de pedir confirmación.
- Activar: hace activa la declaración seleccionada; la barra inferior de la ventana principal muestra su mes y su año, y se habilita la carga de retenciones y percepciones.
- Cancelar descarta lo cargado; Salir cierra la pantalla.)"},

    {"frmC-Activar Declara", R"(ACTIVAR DECLARACIÓN

Elija la declaración jurada con la que va a trabajar. La lista muestra las declaraciones del agente, la sucursal y el régimen activos que todavía no están cerradas, de la más reciente a la más antigua.

Seleccione una y presione Activar: la barra inferior de la ventana principal muestra su mes, su año y su número de rectificativa, y queda habilitada la carga de retenciones y percepciones (Procesos > Grabar Ret./Perc.).

Salir cierra la pantalla.)"},

    {"frmC-Rectificar Decl", R"(RECTIFICAR DECLARACIONES

Aquí se rectifica una declaración jurada ya cerrada del agente, la sucursal y el régimen activos. La lista muestra solo las declaraciones cerradas.

Seleccione la declaración y presione Rectificar. Después de confirmar, la declaración pasa al número de rectificativa siguiente (00 pasa a 01) y vuelve a quedar abierta, con todos sus comprobantes. Actívela para cargar o anular los comprobantes que correspondan y ciérrela de nuevo con Procesos > Emitir y generar Archivo, que genera otra vez el archivo para presentar.

Salir cierra la pantalla.)"},

    {"frmC-Emitir y Genera", R"(EMITIR Y GENERAR ARCHIVO

Aquí se cierran las declaraciones juradas del agente, la sucursal y el régimen activos. La lista las muestra todas, de la más reciente a la más antigua.

- D.Jurada: cierra la declaración seleccionada, genera el archivo que el agente presenta ante el organismo (el programa pregunta en qué carpeta guardarlo) e imprime la declaración jurada. Una declaración cerrada ya no admite comprobantes; para cambiarla hay que rectificarla.
- B. de Pago: imprime la boleta de pago de la declaración seleccionada, con los intereses si se paga después del vencimiento.
- En el régimen 13 aparecen además la declaración de la policía caminera y el informe de las intervenciones realizadas.

Verifique que la impresora esté lista antes de imprimir. Salir cierra la pantalla.)"},

    {"frmC-Deshacer Declar", R"(DESHACER DECLARACIONES IMPORTADAS

Aquí se deshace una declaración jurada que fue importada, de cualquier agente, sucursal y régimen, mientras no esté cerrada y no se haya corregido ninguno de sus comprobantes.

Seleccione la declaración y presione Deshacer: el programa borra la declaración junto con todos los comprobantes y detalles que trajo la importación. Use esta opción para volver a importar un archivo que se importó con errores.

Salir cierra la pantalla.)"},
};

// Every help window opens at the same place and size. Help windows are placed in twips, 1440 to
// the inch, so a place stored in Ayudas means the same on any screen.
constexpr double kTop = 1200;
constexpr double kLeft = 1800;
constexpr double kWidth = 9600;
constexpr double kHeight = 7200;

} // namespace

void cargarAyudasIniciales(BaseDatos& base)
{
    for (const Ayuda& a : kAyudas) {
        QString texto = QString::fromUtf8(a.texto);
        if (a.comun) texto += QLatin1Char('\n') + QString::fromUtf8(a.comun);
        base.ejecutar(QStringLiteral("INSERT INTO Ayudas (Clave, \"Top\", \"Left\", \"Width\", "
                                     "\"Height\", Texto) VALUES (?, ?, ?, ?, ?, ?)"),
                      {QString::fromUtf8(a.clave), kTop, kLeft, kWidth, kHeight, texto});
    }
}
