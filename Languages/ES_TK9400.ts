<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
    <context>
        <name>GpsMonitor</name>
        <message>
            <source>GpsInformation</source>
            <translation>Información GPS</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Hora</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Fecha</translation>
        </message>
        <message>
            <source>Latitude</source>
            <translation>Latitud</translation>
        </message>
        <message>
            <source>Longitude</source>
            <translation>Longitud</translation>
        </message>
        <message>
            <source>Quality</source>
            <translation>Calidad</translation>
        </message>
        <message>
            <source>DistanceMeasurement</source>
            <translation>Medición de distancia</translation>
        </message>
        <message>
            <source>ReferencePosition</source>
            <translation>Posición de referencia</translation>
        </message>
        <message>
            <source>CurrentPosition</source>
            <translation>Posición actual</translation>
        </message>
        <message>
            <source>Distance</source>
            <translation>Distancia</translation>
        </message>
        <message>
            <source>SatelliteInformation</source>
            <translation>Información de satélites</translation>
        </message>
        <message>
            <source>Satellites</source>
            <translation>Satélites</translation>
        </message>
        <message>
            <source>Direction</source>
            <translation>Dirección</translation>
        </message>
        <message>
            <source>Height</source>
            <translation>Altitud</translation>
        </message>
        <message>
            <source>Groundspeed</source>
            <translation>Velocidad</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Menú principal</translation>
        </message>
        <message>
            <source>SatelliteInfo</source>
            <translation>Información de satélites</translation>
        </message>
        <message>
            <source>SwitchGpsFormat</source>
            <translation>Cambiar formato de coordenadas</translation>
        </message>
        <message>
            <source>DisplayNmeaData</source>
            <translation>Mostrar datos NMEA</translation>
        </message>
        <message>
            <source>DisplayGpsPosition</source>
            <translation>Mostrar posición GPS</translation>
        </message>
        <message>
            <source>SetReferencePosition</source>
            <translation>Fijar posición de referencia</translation>
        </message>
        <message>
            <source>StartMonitoring</source>
            <translation>Iniciar monitorización</translation>
        </message>
        <message>
            <source>StopMonitoring</source>
            <translation>Detener monitorización y ajustar el reloj</translation>
        </message>
        <message>
            <source>DeleteData</source>
            <translation>Borrar datos</translation>
        </message>
    </context>
    <context>
        <name>H2Sensor</name>
        <message>
            <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
            <translation>Para esta medición debe
conectar un sensor H2.</translation>
        </message>
        <message>
            <source>SetReferenceLevel</source>
            <translation>Fijar nivel de referencia</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Rango</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volumen de auriculares</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Guardar</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Menú principal</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Atrás</translation>
        </message>
    </context>
    <context>
        <name>LanguageSelect</name>
        <message>
            <source>German</source>
            <translation>Alemán</translation>
        </message>
        <message>
            <source>French</source>
            <translation>Francés</translation>
        </message>
        <message>
            <source>Italian</source>
            <translation>Italiano</translation>
        </message>
        <message>
            <source>Spanish</source>
            <translation>Español</translation>
        </message>
        <message>
            <source>Chinese</source>
            <translation>Chino</translation>
        </message>
        <message>
            <source>Czech</source>
            <translation>Checo</translation>
        </message>
        <message>
            <source>Hungarian</source>
            <translation>Húngaro</translation>
        </message>
        <message>
            <source>Russian</source>
            <translation>Ruso</translation>
        </message>
        <message>
            <source>Slovenian</source>
            <translation>Esloveno</translation>
        </message>
        <message>
            <source>Japanese</source>
            <translation>Japonés</translation>
        </message>
        <message>
            <source>Polish</source>
            <translation>Polaco</translation>
        </message>
        <message>
            <source>Portuguese</source>
            <translation>Portugués</translation>
        </message>
        <message>
            <source>Romanian</source>
            <translation>Rumano</translation>
        </message>
        <message>
            <source>Slovakian</source>
            <translation>Eslovaco</translation>
        </message>
        <message>
            <source>Swedish</source>
            <translation>Sueco</translation>
        </message>
        <message>
            <source>Suomi</source>
            <translation>Finlandés</translation>
        </message>
        <message>
            <source>Danish</source>
            <translation>Danés</translation>
        </message>
        <message>
            <source>Norwegian</source>
            <translation>Noruego</translation>
        </message>
        <message>
            <source>Bulgarian</source>
            <translation>Búlgaro</translation>
        </message>
        <message>
            <source>Croatian</source>
            <translation>Croata</translation>
        </message>
        <message>
            <source>Korean</source>
            <translation>Coreano</translation>
        </message>
        <message>
            <source>Serbian</source>
            <translation>Serbio</translation>
        </message>
        <message>
            <source>Turkish</source>
            <translation>Turco</translation>
        </message>
        <message>
            <source>English</source>
            <translation>Inglés</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Página anterior</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Atrás</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Página siguiente</translation>
        </message>
    </context>
    <context>
        <name>Levelmeasurement</name>
        <message>
            <source>AdjustFilter</source>
            <translation>Ajustar filtro</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Guardar</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volumen de auriculares</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Ganancia del micrófono</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Menú principal</translation>
        </message>
        <message>
            <source>PlayRecordedSound</source>
            <translation>Reproducir grabación</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation>Detener reproducción</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Atrás</translation>
        </message>
        <message>
            <source>HeadphoneGain</source>
            <translation>Ganancia de auriculares</translation>
        </message>
        <message>
            <source>StoredWithoutSound</source>
            <translation>Guardado sin sonido.</translation>
        </message>
    </context>
    <context>
        <name>Longtermmeasurement</name>
        <message>
            <source>Store</source>
            <translation>Guardar</translation>
        </message>
        <message>
            <source>AnalysisTime</source>
            <translation>Tiempo de análisis</translation>
        </message>
        <message>
            <source>Autoscale</source>
            <translation>Escala automática</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation>Más ajustes</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Menú principal</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Atrás</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Ganancia del micrófono</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volumen de auriculares</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Ajustar filtro</translation>
        </message>
        <message>
            <source>10 min</source>
            <translation>10 min</translation>
        </message>
        <message>
            <source>30 min</source>
            <translation>30 min</translation>
        </message>
        <message>
            <source>3 min</source>
            <translation>3 min</translation>
        </message>
    </context>
    <context>
        <name>MainMenu</name>
        <message>
            <source>Histogram</source>
            <translation>Histograma</translation>
        </message>
        <message>
            <source>H2Sensor</source>
            <translation>Sensor H2</translation>
        </message>
        <message>
            <source>Level</source>
            <translation>Nivel</translation>
        </message>
        <message>
            <source>Management</source>
            <translation>Gestión</translation>
        </message>
        <message>
            <source>Longterm</source>
            <translation>Larga duración</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Localizar tubo</translation>
        </message>
    </context>
    <context>
        <name>Management</name>
        <message>
            <source>Measurements</source>
            <translation>Mediciones</translation>
        </message>
        <message>
            <source>QJ-5</source>
            <translation>QJ-5</translation>
        </message>
        <message>
            <source>Update</source>
            <translation>Actualizar</translation>
        </message>
        <message>
            <source>GPS</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Ajustes</translation>
        </message>
    </context>
    <context>
        <name>MeasManagement</name>
        <message>
            <source>Mainmenu</source>
            <translation>Menú principal</translation>
        </message>
        <message>
            <source>EditMeasurement</source>
            <translation>Editar medición</translation>
        </message>
        <message>
            <source>FilterMeasurements</source>
            <translation>Filtrar mediciones</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Página anterior</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Página siguiente</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeRenamed</source>
            <translation>No se pudo renombrar la medición.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeDeleted</source>
            <translation>No se pudo borrar la medición.</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Advertencia</translation>
        </message>
        <message>
            <source>MeasurementDeletedFilesRemain</source>
            <translation>La medición se ha quitado de la lista.
Algunos de sus archivos se borrarán al guardar la próxima medición.</translation>
        </message>
    </context>
    <context>
        <name>Pinpointing</name>
        <message>
            <source>LIN</source>
            <translation>LIN</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Menú principal</translation>
        </message>
        <message>
            <source>Autoscale</source>
            <translation>Escala automática</translation>
        </message>
        <message>
            <source>DeleteLastLevel</source>
            <translation>Borrar último nivel</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation>Más ajustes</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Guardar</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Ajustar filtro</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Ganancia del micrófono</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volumen de auriculares</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Atrás</translation>
        </message>
        <message>
            <source>PlayAudioData</source>
            <translation>Reproducir audio</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation>Detener reproducción</translation>
        </message>
        <message>
            <source>PlayNextPosition</source>
            <translation>Reproducir posición siguiente</translation>
        </message>
        <message>
            <source>LOG</source>
            <translation>LOG</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Advertencia</translation>
        </message>
        <message numerus="yes">
            <source>StoredWithoutTheSoundOfPoint</source>
            <translation>
                <numerusform>Guardado sin el sonido
del punto %1.</numerusform>
                <numerusform>Guardado sin el sonido
de los puntos %1.</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>Pipelocating</name>
        <message>
            <source>Mainmenu</source>
            <translation>Menú principal</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Ajustar filtro</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Ganancia del micrófono</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volumen de auriculares</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Guardar</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Atrás</translation>
        </message>
    </context>
    <context>
        <name>PressureSensor</name>
        <message>
            <source>Mainmenu</source>
            <translation>Menú principal</translation>
        </message>
        <message>
            <source>SetReferenceLevel</source>
            <translation>Fijar nivel de referencia</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Rango</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volumen de auriculares</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Guardar</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Atrás</translation>
        </message>
        <message>
            <source>%1 bar</source>
            <translation>%1 bar</translation>
        </message>
        <message>
            <source>MAX = %1 bar</source>
            <translation>MÁX = %1 bar</translation>
        </message>
        <message>
            <source>MIN = %1 bar</source>
            <translation>MÍN = %1 bar</translation>
        </message>
        <message>
            <source>AVG = %1 bar</source>
            <translation>MED = %1 bar</translation>
        </message>
        <message>
            <source>DEV = %1 bar</source>
            <translation>σ = %1 bar</translation>
        </message>
        <message>
            <source>ACT = %1 bar</source>
            <translation>ACT = %1 bar</translation>
        </message>
    </context>
    <context>
        <name>Systemsettings</name>
        <message>
            <source>Berlin</source>
            <translation>Berlín</translation>
        </message>
        <message>
            <source>Screenshot</source>
            <translation>Captura de pantalla</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histograma</translation>
        </message>
        <message>
            <source>LevelMeasurement</source>
            <translation>Medición de nivel</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation>Medición de larga duración</translation>
        </message>
        <message>
            <source>H2-Sensor</source>
            <translation>Sensor H2</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Localización de tubos</translation>
        </message>
        <message>
            <source>never</source>
            <translation>nunca</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Página anterior</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Menú principal</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Página siguiente</translation>
        </message>
        <message>
            <source>ModeMuteButton</source>
            <translation>Silencio</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation>Protección auditiva</translation>
        </message>
        <message>
            <source>Customize</source>
            <translation>Personalizar</translation>
        </message>
        <message>
            <source>differentValues</source>
            <translation>valores distintos</translation>
        </message>
        <message>
            <source>PairedHeadphone</source>
            <translation>Auriculares vinculados</translation>
        </message>
        <message>
            <source>PairedMicrophone</source>
            <translation>Micrófono vinculado</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>Brillo</translation>
        </message>
        <message>
            <source>PowerSaving</source>
            <translation>Ahorro de energía</translation>
        </message>
        <message>
            <source>FavouriteButton</source>
            <translation>Tecla favorita</translation>
        </message>
        <message>
            <source>Systeminformation</source>
            <translation>Información del sistema</translation>
        </message>
        <message>
            <source>ResetToDeliverystate</source>
            <translation>Restablecer</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Idioma</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Hora</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Fecha</translation>
        </message>
        <message>
            <source>Timezone</source>
            <translation>Zona horaria</translation>
        </message>
        <message>
            <source>DaylightSavingTime</source>
            <translation>Horario de verano</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>Interruptor</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation>Pulsador</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Activado</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Desactivado</translation>
        </message>
        <message>
            <source>low</source>
            <translation>bajo</translation>
        </message>
        <message>
            <source>medium</source>
            <translation>medio</translation>
        </message>
        <message>
            <source>high</source>
            <translation>alto</translation>
        </message>
        <message>
            <source>Summertime</source>
            <translation>Horario de verano</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation>Horario de invierno</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>SettingCouldNotBeStored</source>
            <translation>No se pudo guardar el ajuste.</translation>
        </message>
    </context>
    <context>
        <name>MessageDialog</name>
        <message>
            <source>Yes</source>
            <translation>Sí</translation>
        </message>
        <message>
            <source>No</source>
            <translation>No</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>Configuration</name>
        <message>
            <source>MicrophoneConfiguration</source>
            <translation>Configuración del micrófono</translation>
        </message>
        <message>
            <source>SensorType</source>
            <translation>Tipo de sensor</translation>
        </message>
        <message>
            <source>Gain</source>
            <translation>Ganancia</translation>
        </message>
        <message>
            <source>BatteryState</source>
            <translation>Estado batería</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation>Versión firmware</translation>
        </message>
        <message>
            <source>HardwareVersion</source>
            <translation>Versión hardware</translation>
        </message>
        <message>
            <source>ButtonMode</source>
            <translation>Silencio</translation>
        </message>
        <message>
            <source>BluetoothName</source>
            <translation>Nombre Bluetooth</translation>
        </message>
        <message>
            <source>BluetoothId</source>
            <translation>ID Bluetooth</translation>
        </message>
        <message>
            <source>Reload</source>
            <translation>Volver a leer</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Menú principal</translation>
        </message>
        <message>
            <source>noSensor</source>
            <translation>sin sensor</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>desconocido</translation>
        </message>
    </context>
    <context>
        <name>Statusbardata</name>
        <message>
            <source>Warning</source>
            <translation>Advertencia</translation>
        </message>
        <message>
            <source>TheBatteryIsVeryLowPleaseRecharge</source>
            <translation>Batería casi agotada. Recárguela.</translation>
        </message>
        <message>
            <source>TheSensorCouldNotBeDetected</source>
            <translation>No se detectó el sensor.</translation>
        </message>
        <message>
            <source>BatteryVoltageOfQJ5ToLow</source>
            <translation>La batería del QJ-5 está casi agotada.
Recárguela.</translation>
        </message>
        <message>
            <source>ProblemWithSensorTypeDetection</source>
            <translation>No se detectó el tipo de sensor.
Fije el sensor o limpie los contactos.</translation>
        </message>
    </context>
    <context>
        <name>BluetoothPairing</name>
        <message>
            <source>SearchBluetoothDevices</source>
            <translation>Buscar dispositivos Bluetooth</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>FoundBluetoothDevices</source>
            <translation>Dispositivos Bluetooth encontrados</translation>
        </message>
        <message>
            <source>EnablePairingModeAndPressSearchButton</source>
            <translation>Active el modo de vinculación
y pulse el botón Buscar.</translation>
        </message>
        <message>
            <source>Searching</source>
            <translation>Buscando</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>desconocido</translation>
        </message>
        <message>
            <source>SelectDeviceForPairing</source>
            <translation>Seleccione el dispositivo a vincular.</translation>
        </message>
        <message>
            <source>NoDevicesFoundTryAgain</source>
            <translation>No se encontraron dispositivos.</translation>
        </message>
        <message>
            <source>PairingDevice</source>
            <translation>Vinculando dispositivo</translation>
        </message>
        <message>
            <source>PairingNotSuccessfulPleaseTryAgain</source>
            <translation>Error de vinculación. Inténtelo de nuevo.</translation>
        </message>
    </context>
    <context>
        <name>CustomizeDialogs</name>
        <message>
            <source>LevelMeasurement</source>
            <translation>Medición de nivel</translation>
        </message>
        <message>
            <source>ShowPeakLevelBar</source>
            <translation>Mostrar nivel de pico</translation>
        </message>
        <message>
            <source>UseFrequencyColorForLevelBar</source>
            <translation>Color de frecuencia en la barra</translation>
        </message>
        <message>
            <source>ShowFrequencySpectrum</source>
            <translation>Mostrar espectro de frecuencia</translation>
        </message>
        <message>
            <source>ShowFrequencyValue</source>
            <translation>Mostrar valor de frecuencia</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histograma</translation>
        </message>
        <message>
            <source>ShowFilterParameter</source>
            <translation>Mostrar parámetros del filtro</translation>
        </message>
        <message>
            <source>DynamicScaling</source>
            <translation>Escala dinámica</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation>Medición de larga duración</translation>
        </message>
        <message>
            <source>ShowGrid</source>
            <translation>Mostrar cuadrícula</translation>
        </message>
        <message>
            <source>H2measurement</source>
            <translation>Medición H2</translation>
        </message>
        <message>
            <source>ShowHistogram</source>
            <translation>Mostrar histograma</translation>
        </message>
        <message>
            <source>ShowWorkingRange</source>
            <translation>Mostrar rango de trabajo</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Localización de tubos</translation>
        </message>
        <message>
            <source>PowerOn</source>
            <translation>Al encender</translation>
        </message>
        <message>
            <source>StartWithFavourite</source>
            <translation>Iniciar con el favorito</translation>
        </message>
        <message>
            <source>StartWithFilter</source>
            <translation>Iniciar con filtros activos</translation>
        </message>
        <message>
            <source>StartWithGps</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Página anterior</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Aceptar</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Página siguiente</translation>
        </message>
    </context>
    <context>
        <name>DateTimeAdjust</name>
        <message>
            <source>Day</source>
            <translation>Día</translation>
        </message>
        <message>
            <source>Month</source>
            <translation>Mes</translation>
        </message>
        <message>
            <source>Year</source>
            <translation>Año</translation>
        </message>
        <message>
            <source>GPS</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>Manual</source>
            <translation>Manual</translation>
        </message>
        <message>
            <source>Hour</source>
            <translation>Hora</translation>
        </message>
        <message>
            <source>Minute</source>
            <translation>Minuto</translation>
        </message>
        <message>
            <source>Second</source>
            <translation>Segundo</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Aceptar</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>InvalidDate</source>
            <translation>Fecha no válida</translation>
        </message>
        <message>
            <source>DateDoesNotExist</source>
            <translation>Esta fecha no existe. Corríjala.</translation>
        </message>
    </context>
    <context>
        <name>Displaysettings</name>
        <message>
            <source>Accept</source>
            <translation>Aceptar</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>Brillo</translation>
        </message>
        <message>
            <source>high</source>
            <translation>alto</translation>
        </message>
        <message>
            <source>medium</source>
            <translation>medio</translation>
        </message>
        <message>
            <source>low</source>
            <translation>bajo</translation>
        </message>
    </context>
    <context>
        <name>HearingProtection</name>
        <message>
            <source>Accept</source>
            <translation>Aceptar</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation>Protección auditiva</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Activado</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Desactivado</translation>
        </message>
        <message>
            <source>DefaultHeadphoneVolume</source>
            <translation>Ajustar volumen de auriculares</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation>¡Atención! Riesgo de choque acústico.</translation>
        </message>
        <message>
            <source>MaximumVolumeWillBeLimited</source>
            <translation>El volumen máximo se limitará.</translation>
        </message>
    </context>
    <context>
        <name>PowerSaving</name>
        <message>
            <source>Accept</source>
            <translation>Aceptar</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>BacklightOff</source>
            <translation>Pantalla apagada</translation>
        </message>
        <message>
            <source>PowerOff</source>
            <translation>Apagado</translation>
        </message>
        <message>
            <source>never</source>
            <translation>nunca</translation>
        </message>
    </context>
    <context>
        <name>ResetSettings</name>
        <message>
            <source>Back</source>
            <translation>Atrás</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Advertencia</translation>
        </message>
        <message>
            <source>ResetToDeliveryState</source>
            <translation>Restablecer estado de fábrica.
Todos los ajustes (p. ej. idioma,
dispositivos Bluetooth vinculados) se restablecerán.
Las mediciones guardadas no se borrarán.</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>Restablecer</translation>
        </message>
        <message>
            <source>DoYouReallyWantToResetAllSettings</source>
            <translation>¿Restablecer realmente todos los ajustes?</translation>
        </message>
    </context>
    <context>
        <name>SelectFavouriteButton</name>
        <message>
            <source>Accept</source>
            <translation>Aceptar</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
    </context>
    <context>
        <name>SelectSwitchmode</name>
        <message>
            <source>Accept</source>
            <translation>Aceptar</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>ModeOfMutingButton</source>
            <translation>Modo de la tecla de silencio</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>Interruptor</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation>Pulsador</translation>
        </message>
    </context>
    <context>
        <name>SelectTimezone</name>
        <message>
            <source>DaylightSavingTime</source>
            <translation>Horario de verano</translation>
        </message>
        <message>
            <source>Summertime</source>
            <translation>Horario de verano</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation>Horario de invierno</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Aceptar</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>MidwayIslands</source>
            <translation>Islas Midway</translation>
        </message>
        <message>
            <source>Hawaii</source>
            <translation>Hawái</translation>
        </message>
        <message>
            <source>Alaska</source>
            <translation>Alaska</translation>
        </message>
        <message>
            <source>Pacific</source>
            <translation>Pacífico</translation>
        </message>
        <message>
            <source>Arizona</source>
            <translation>Arizona</translation>
        </message>
        <message>
            <source>Chicago</source>
            <translation>Chicago</translation>
        </message>
        <message>
            <source>NewYork</source>
            <translation>Nueva York</translation>
        </message>
        <message>
            <source>Manaus</source>
            <translation>Manaos</translation>
        </message>
        <message>
            <source>Newfoundland</source>
            <translation>Terranova</translation>
        </message>
        <message>
            <source>Greenland</source>
            <translation>Groenlandia</translation>
        </message>
        <message>
            <source>MiddleAtlantic</source>
            <translation>Atlántico central</translation>
        </message>
        <message>
            <source>Azores</source>
            <translation>Azores</translation>
        </message>
        <message>
            <source>London</source>
            <translation>Londres</translation>
        </message>
        <message>
            <source>Berlin</source>
            <translation>Berlín</translation>
        </message>
        <message>
            <source>Cairo</source>
            <translation>El Cairo</translation>
        </message>
        <message>
            <source>Moscow</source>
            <translation>Moscú</translation>
        </message>
        <message>
            <source>Teheran</source>
            <translation>Teherán</translation>
        </message>
        <message>
            <source>AbuDhabi</source>
            <translation>Abu Dabi</translation>
        </message>
        <message>
            <source>Kabul</source>
            <translation>Kabul</translation>
        </message>
        <message>
            <source>Islamabad</source>
            <translation>Islamabad</translation>
        </message>
        <message>
            <source>NewDelhi</source>
            <translation>Nueva Delhi</translation>
        </message>
        <message>
            <source>Katmandu</source>
            <translation>Katmandú</translation>
        </message>
        <message>
            <source>Nowosibirsk</source>
            <translation>Novosibirsk</translation>
        </message>
        <message>
            <source>Yangon</source>
            <translation>Rangún</translation>
        </message>
        <message>
            <source>Bangkok</source>
            <translation>Bangkok</translation>
        </message>
        <message>
            <source>HongKong</source>
            <translation>Hong Kong</translation>
        </message>
        <message>
            <source>Tokio</source>
            <translation>Tokio</translation>
        </message>
        <message>
            <source>Darwin</source>
            <translation>Darwin</translation>
        </message>
        <message>
            <source>Sydney</source>
            <translation>Sídney</translation>
        </message>
        <message>
            <source>Magadan</source>
            <translation>Magadán</translation>
        </message>
        <message>
            <source>Fiji</source>
            <translation>Fiyi</translation>
        </message>
    </context>
    <context>
        <name>Systeminformation</name>
        <message>
            <source>Systeminformation</source>
            <translation>Información del sistema</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation>Versión firmware</translation>
        </message>
        <message>
            <source>Serialnumber</source>
            <translation>Número de serie</translation>
        </message>
        <message>
            <source>BluetoothIdTx</source>
            <translation>ID Bluetooth TX</translation>
        </message>
        <message>
            <source>BluetoothIdRx</source>
            <translation>ID Bluetooth RX</translation>
        </message>
        <message>
            <source>Hardwareversion</source>
            <translation>Versión hardware</translation>
        </message>
        <message>
            <source>OperatingSystem</source>
            <translation>Sistema operativo</translation>
        </message>
        <message>
            <source>Battery</source>
            <translation>Batería</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Atrás</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>desconocido</translation>
        </message>
    </context>
    <context>
        <name>BackupDialog</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation>Conecte el TKR 9400 al PC
y pulse el botón Conectar.</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>Conectar</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Desconectar</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Advertencia</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation>No se pudo montar la memoria de datos.
Reinicie el equipo.</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation>La memoria de datos está en uso.
Inténtelo de nuevo.</translation>
        </message>
    </context>
    <context>
        <name>Measurements</name>
        <message>
            <source>Error</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Advertencia</translation>
        </message>
        <message>
            <source>NoMoreMeasurementsCanBeStored</source>
            <translation>Número máximo de mediciones alcanzado.
La medición no se guardará.
Borre mediciones antiguas.</translation>
        </message>
        <message>
            <source>OnlyAfewMeasurementsCanBeStored</source>
            <translation>Número de mediciones cerca del límite.
Borre mediciones antiguas.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeStored</source>
            <translation>No se pudo guardar la medición.</translation>
        </message>
    </context>
    <context>
        <name>MeasuringPage</name>
        <message>
            <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
            <translation>Para esta medición debe
conectar un sensor acústico.</translation>
        </message>
        <message>
            <source>Note</source>
            <translation>Nota</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Advertencia</translation>
        </message>
        <message>
            <source>NoBluetoothConnectionPleaseCheckYourQJ5</source>
            <translation>Sin conexión Bluetooth.
Compruebe el QJ-5.</translation>
        </message>
    </context>
    <context>
        <name>Filtersettings</name>
        <message>
            <source>Accept</source>
            <translation>Aceptar</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Ganancia del micrófono</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volumen de auriculares</translation>
        </message>
        <message>
            <source>AutomaticFilterSetting</source>
            <translation>Ajuste automático del filtro</translation>
        </message>
        <message>
            <source>NoFilter</source>
            <translation>Sin filtro</translation>
        </message>
    </context>
    <context>
        <name>Headphonesettings</name>
        <message>
            <source>Accept</source>
            <translation>Aceptar</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation>¡Atención! Riesgo de choque acústico.</translation>
        </message>
        <message>
            <source>WarningHighVolumesCanLeadToHearingDamage</source>
            <translation>¡Atención!
Un volumen alto puede dañar el oído.</translation>
        </message>
    </context>
    <context>
        <name>Micsettings</name>
        <message>
            <source>Accept</source>
            <translation>Aceptar</translation>
        </message>
    </context>
    <context>
        <name>Firmwareupdate</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation>Conecte el TKR 9400 al PC
y pulse el botón Conectar.</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>Conectar</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Desconectar</translation>
        </message>
        <message>
            <source>UpdateDevice</source>
            <translation>Actualizar el firmware</translation>
        </message>
        <message>
            <source>CurrentFirmware</source>
            <translation>Firmware actual</translation>
        </message>
        <message>
            <source>NewFirmware</source>
            <translation>Firmware nuevo</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Aceptar</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>TransmittingFirmware</source>
            <translation>Transfiriendo firmware</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>Estado</translation>
        </message>
        <message>
            <source>UpdatingDevice</source>
            <translation>Actualizando equipo</translation>
        </message>
        <message>
            <source>PleaseWaitForReboot</source>
            <translation>Espere al reinicio.</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>ConnectTheTKR9400ToYourPCAndPressTheButtonConnect</source>
            <translation>Conecte el TKR 9400 al PC
y pulse el botón Conectar.</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation>La memoria de datos está en uso.
Inténtelo de nuevo.</translation>
        </message>
        <message>
            <source>PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied</source>
            <translation>Copie los archivos de firmware.
Pulse el botón Desconectar
cuando estén todos copiados.</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation>No se pudo montar la memoria de datos.
Reinicie el equipo.</translation>
        </message>
        <message>
            <source>UpdateTKR9400</source>
            <translation>Actualizar TKR 9400</translation>
        </message>
        <message>
            <source>UpdateQJ-5</source>
            <translation>Actualizar QJ-5</translation>
        </message>
        <message>
            <source>CouldNotReadFirmwarefile</source>
            <translation>No se pudo leer el archivo de firmware.
Inténtelo de nuevo.</translation>
        </message>
        <message>
            <source>UpdatingTKR9400</source>
            <translation>Actualizando TKR 9400</translation>
        </message>
        <message>
            <source>CopyingFilesPleaseWait</source>
            <translation>Copiando archivos, espere ...</translation>
        </message>
        <message>
            <source>CouldNotCopyFirmwarefile</source>
            <translation>No se pudo copiar el archivo de firmware.
Inténtelo de nuevo.</translation>
        </message>
        <message>
            <source>FirmwareupdateQJ-5</source>
            <translation>Actualización firmware QJ-5</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessfullyFinished.</source>
            <translation>Actualización de firmware finalizada.</translation>
        </message>
        <message>
            <source>FirmwareupdateTKR9400</source>
            <translation>Actualización firmware TKR 9400</translation>
        </message>
        <message>
            <source>AllFilesCopiedPleaseWaitForReboot</source>
            <translation>Archivos copiados.
Espere al reinicio ...</translation>
        </message>
        <message>
            <source>FirmwareupdateCancelled</source>
            <translation>Actualización de firmware cancelada.</translation>
        </message>
        <message>
            <source>TransmittingFirmwarePleaseWait</source>
            <translation>Transfiriendo firmware. Espere ...</translation>
        </message>
        <message>
            <source>ErrorDuringFirmwareUpdatePleaseTryAgain</source>
            <translation>Error al actualizar el firmware.
Inténtelo de nuevo.</translation>
        </message>
        <message>
            <source>FirmwareSuccessfulTransmittedPleaseWaitForRestart</source>
            <translation>Firmware transferido con éxito.
No apague el QJ-5.
Espere al reinicio.</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessful</source>
            <translation>Actualización de firmware correcta.</translation>
        </message>
        <message>
            <source>ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice</source>
            <translation>Error al actualizar. Inténtelo de nuevo.
El dispositivo Bluetooth no responde.</translation>
        </message>
    </context>
    <context>
        <name>TestMenu</name>
        <message>
            <source>PreviousPage</source>
            <translation>Página anterior</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Menú principal</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Página siguiente</translation>
        </message>
    </context>
    <context>
        <name>TestMenuAudioLoopback</name>
        <message>
            <source>Back</source>
            <translation>Atrás</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Correcto</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Fallo</translation>
        </message>
    </context>
    <context>
        <name>TestMenuFlashUpdate</name>
        <message>
            <source>Back</source>
            <translation>Atrás</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Correcto</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Fallo</translation>
        </message>
    </context>
    <context>
        <name>TestmenuAudio</name>
        <message>
            <source>Back</source>
            <translation>Atrás</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Correcto</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Fallo</translation>
        </message>
    </context>
    <context>
        <name>TestmenuBattery</name>
        <message>
            <source>Back</source>
            <translation>Atrás</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Correcto</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Fallo</translation>
        </message>
    </context>
    <context>
        <name>TestmenuDisplay</name>
        <message>
            <source>Back</source>
            <translation>Atrás</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Correcto</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Fallo</translation>
        </message>
    </context>
    <context>
        <name>TestmenuGps</name>
        <message>
            <source>Back</source>
            <translation>Atrás</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Correcto</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Fallo</translation>
        </message>
    </context>
    <context>
        <name>TestmenuInitBluetooth</name>
        <message>
            <source>Back</source>
            <translation>Atrás</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Correcto</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Fallo</translation>
        </message>
    </context>
    <context>
        <name>TestmenuKeyboard</name>
        <message>
            <source>Back</source>
            <translation>Atrás</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Correcto</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Fallo</translation>
        </message>
    </context>
    <context>
        <name>TestmenuLed</name>
        <message>
            <source>Back</source>
            <translation>Atrás</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Correcto</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Fallo</translation>
        </message>
    </context>
    <context>
        <name>TestmenuRemoteCtrl</name>
        <message>
            <source>Back</source>
            <translation>Atrás</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSdcard</name>
        <message>
            <source>Back</source>
            <translation>Atrás</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Correcto</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Fallo</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSelftest</name>
        <message>
            <source>Back</source>
            <translation>Atrás</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Correcto</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Fallo</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSensordetection</name>
        <message>
            <source>Back</source>
            <translation>Atrás</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Correcto</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Fallo</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUartUsbSwitch</name>
        <message>
            <source>Back</source>
            <translation>Atrás</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Correcto</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Fallo</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUsb</name>
        <message>
            <source>Back</source>
            <translation>Atrás</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Correcto</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Fallo</translation>
        </message>
    </context>
    <context>
        <name>MeasManagementEdit</name>
        <message>
            <source>ChangeName</source>
            <translation>Cambiar nombre</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Aceptar</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Borrar</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histograma</translation>
        </message>
        <message>
            <source>Levelmeasurement</source>
            <translation>Medición de nivel</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Localización de tubos</translation>
        </message>
        <message>
            <source>H2-Measurement</source>
            <translation>Medición H2</translation>
        </message>
        <message>
            <source>Longtermmeasurement</source>
            <translation>Medición de larga duración</translation>
        </message>
    </context>
    <context>
        <name>AudioWorker</name>
        <message>
            <source>StoringTheSoundPleaseWait</source>
            <translation>Guardando el sonido.
Espere, por favor ...</translation>
        </message>
    </context>
</TS>
