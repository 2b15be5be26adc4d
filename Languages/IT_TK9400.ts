<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
    <context>
        <name>GpsMonitor</name>
        <message>
            <source>GpsInformation</source>
            <translation>Informazioni GPS</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Ora</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Data</translation>
        </message>
        <message>
            <source>Latitude</source>
            <translation>Latitudine</translation>
        </message>
        <message>
            <source>Longitude</source>
            <translation>Longitudine</translation>
        </message>
        <message>
            <source>Quality</source>
            <translation>Qualità</translation>
        </message>
        <message>
            <source>DistanceMeasurement</source>
            <translation>Misura della distanza</translation>
        </message>
        <message>
            <source>ReferencePosition</source>
            <translation>Posizione di riferimento</translation>
        </message>
        <message>
            <source>CurrentPosition</source>
            <translation>Posizione attuale</translation>
        </message>
        <message>
            <source>Distance</source>
            <translation>Distanza</translation>
        </message>
        <message>
            <source>SatelliteInformation</source>
            <translation>Informazioni satelliti</translation>
        </message>
        <message>
            <source>Satellites</source>
            <translation>Satelliti</translation>
        </message>
        <message>
            <source>Direction</source>
            <translation>Direzione</translation>
        </message>
        <message>
            <source>Height</source>
            <translation>Altitudine</translation>
        </message>
        <message>
            <source>Groundspeed</source>
            <translation>Velocità</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Menu principale</translation>
        </message>
        <message>
            <source>SatelliteInfo</source>
            <translation>Informazioni satelliti</translation>
        </message>
        <message>
            <source>SwitchGpsFormat</source>
            <translation>Cambia formato coordinate</translation>
        </message>
        <message>
            <source>DisplayNmeaData</source>
            <translation>Mostra dati NMEA</translation>
        </message>
        <message>
            <source>DisplayGpsPosition</source>
            <translation>Mostra posizione GPS</translation>
        </message>
        <message>
            <source>SetReferencePosition</source>
            <translation>Imposta posizione di riferimento</translation>
        </message>
        <message>
            <source>StartMonitoring</source>
            <translation>Avvia monitoraggio</translation>
        </message>
        <message>
            <source>StopMonitoring</source>
            <translation>Ferma monitoraggio e imposta l'orologio</translation>
        </message>
        <message>
            <source>DeleteData</source>
            <translation>Elimina dati</translation>
        </message>
    </context>
    <context>
        <name>H2Sensor</name>
        <message>
            <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
            <translation>Per questa misura occorre
collegare un sensore H2.</translation>
        </message>
        <message>
            <source>SetReferenceLevel</source>
            <translation>Imposta livello di riferimento</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Campo</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volume cuffie</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Salva</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Menu principale</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Indietro</translation>
        </message>
    </context>
    <context>
        <name>LanguageSelect</name>
        <message>
            <source>German</source>
            <translation>Tedesco</translation>
        </message>
        <message>
            <source>French</source>
            <translation>Francese</translation>
        </message>
        <message>
            <source>Italian</source>
            <translation>Italiano</translation>
        </message>
        <message>
            <source>Spanish</source>
            <translation>Spagnolo</translation>
        </message>
        <message>
            <source>Chinese</source>
            <translation>Cinese</translation>
        </message>
        <message>
            <source>Czech</source>
            <translation>Ceco</translation>
        </message>
        <message>
            <source>Hungarian</source>
            <translation>Ungherese</translation>
        </message>
        <message>
            <source>Russian</source>
            <translation>Russo</translation>
        </message>
        <message>
            <source>Slovenian</source>
            <translation>Sloveno</translation>
        </message>
        <message>
            <source>Japanese</source>
            <translation>Giapponese</translation>
        </message>
        <message>
            <source>Polish</source>
            <translation>Polacco</translation>
        </message>
        <message>
            <source>Portuguese</source>
            <translation>Portoghese</translation>
        </message>
        <message>
            <source>Romanian</source>
            <translation>Rumeno</translation>
        </message>
        <message>
            <source>Slovakian</source>
            <translation>Slovacco</translation>
        </message>
        <message>
            <source>Swedish</source>
            <translation>Svedese</translation>
        </message>
        <message>
            <source>Suomi</source>
            <translation>Finlandese</translation>
        </message>
        <message>
            <source>Danish</source>
            <translation>Danese</translation>
        </message>
        <message>
            <source>Norwegian</source>
            <translation>Norvegese</translation>
        </message>
        <message>
            <source>Bulgarian</source>
            <translation>Bulgaro</translation>
        </message>
        <message>
            <source>Croatian</source>
            <translation>Croato</translation>
        </message>
        <message>
            <source>Korean</source>
            <translation>Coreano</translation>
        </message>
        <message>
            <source>Serbian</source>
            <translation>Serbo</translation>
        </message>
        <message>
            <source>Turkish</source>
            <translation>Turco</translation>
        </message>
        <message>
            <source>English</source>
            <translation>Inglese</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Pagina precedente</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Indietro</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Pagina successiva</translation>
        </message>
    </context>
    <context>
        <name>Levelmeasurement</name>
        <message>
            <source>AdjustFilter</source>
            <translation>Regola filtro</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Salva</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volume cuffie</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Guadagno microfono</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Menu principale</translation>
        </message>
        <message>
            <source>PlayRecordedSound</source>
            <translation>Riproduci registrazione</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation>Ferma riproduzione</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Indietro</translation>
        </message>
        <message>
            <source>HeadphoneGain</source>
            <translation>Guadagno cuffie</translation>
        </message>
        <message>
            <source>StoredWithoutSound</source>
            <translation>Salvato senza audio.</translation>
        </message>
    </context>
    <context>
        <name>Longtermmeasurement</name>
        <message>
            <source>Store</source>
            <translation>Salva</translation>
        </message>
        <message>
            <source>AnalysisTime</source>
            <translation>Tempo di analisi</translation>
        </message>
        <message>
            <source>Autoscale</source>
            <translation>Scala automatica</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation>Altre impostazioni</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Menu principale</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Indietro</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Guadagno microfono</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volume cuffie</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Regola filtro</translation>
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
            <translation>Istogramma</translation>
        </message>
        <message>
            <source>H2Sensor</source>
            <translation>Sensore H2</translation>
        </message>
        <message>
            <source>Level</source>
            <translation>Livello</translation>
        </message>
        <message>
            <source>Management</source>
            <translation>Gestione</translation>
        </message>
        <message>
            <source>Longterm</source>
            <translation>Lunga durata</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Ricerca tubi</translation>
        </message>
    </context>
    <context>
        <name>Management</name>
        <message>
            <source>Measurements</source>
            <translation>Misure</translation>
        </message>
        <message>
            <source>QJ-5</source>
            <translation>QJ-5</translation>
        </message>
        <message>
            <source>Update</source>
            <translation>Aggiorna</translation>
        </message>
        <message>
            <source>GPS</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Impostazioni</translation>
        </message>
    </context>
    <context>
        <name>MeasManagement</name>
        <message>
            <source>Mainmenu</source>
            <translation>Menu principale</translation>
        </message>
        <message>
            <source>EditMeasurement</source>
            <translation>Modifica misura</translation>
        </message>
        <message>
            <source>FilterMeasurements</source>
            <translation>Filtra misure</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Pagina precedente</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Pagina successiva</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Errore</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeRenamed</source>
            <translation>Impossibile rinominare la misura.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeDeleted</source>
            <translation>Impossibile eliminare la misura.</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Avviso</translation>
        </message>
        <message>
            <source>MeasurementDeletedFilesRemain</source>
            <translation>La misura è stata rimossa dall'elenco.
Alcuni suoi file saranno eliminati al salvataggio della prossima misura.</translation>
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
            <translation>Menu principale</translation>
        </message>
        <message>
            <source>Autoscale</source>
            <translation>Scala automatica</translation>
        </message>
        <message>
            <source>DeleteLastLevel</source>
            <translation>Elimina ultimo livello</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation>Altre impostazioni</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Salva</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Regola filtro</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Guadagno microfono</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volume cuffie</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Indietro</translation>
        </message>
        <message>
            <source>PlayAudioData</source>
            <translation>Riproduci audio</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation>Ferma riproduzione</translation>
        </message>
        <message>
            <source>PlayNextPosition</source>
            <translation>Riproduci posizione successiva</translation>
        </message>
        <message>
            <source>LOG</source>
            <translation>LOG</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Avviso</translation>
        </message>
        <message numerus="yes">
            <source>StoredWithoutTheSoundOfPoint</source>
            <translation>
                <numerusform>Salvato senza l'audio
del punto %1.</numerusform>
                <numerusform>Salvato senza l'audio
dei punti %1.</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>Pipelocating</name>
        <message>
            <source>Mainmenu</source>
            <translation>Menu principale</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Regola filtro</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Guadagno microfono</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volume cuffie</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Salva</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Indietro</translation>
        </message>
    </context>
    <context>
        <name>PressureSensor</name>
        <message>
            <source>Mainmenu</source>
            <translation>Menu principale</translation>
        </message>
        <message>
            <source>SetReferenceLevel</source>
            <translation>Imposta livello di riferimento</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Campo</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volume cuffie</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Salva</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Indietro</translation>
        </message>
        <message>
            <source>%1 bar</source>
            <translation>%1 bar</translation>
        </message>
        <message>
            <source>MAX = %1 bar</source>
            <translation>MAX = %1 bar</translation>
        </message>
        <message>
            <source>MIN = %1 bar</source>
            <translation>MIN = %1 bar</translation>
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
            <translation>ATT = %1 bar</translation>
        </message>
    </context>
    <context>
        <name>Systemsettings</name>
        <message>
            <source>Berlin</source>
            <translation>Berlino</translation>
        </message>
        <message>
            <source>Screenshot</source>
            <translation>Screenshot</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Istogramma</translation>
        </message>
        <message>
            <source>LevelMeasurement</source>
            <translation>Misura di livello</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation>Misura di lunga durata</translation>
        </message>
        <message>
            <source>H2-Sensor</source>
            <translation>Sensore H2</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Ricerca tubi</translation>
        </message>
        <message>
            <source>never</source>
            <translation>mai</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Pagina precedente</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Menu principale</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Pagina successiva</translation>
        </message>
        <message>
            <source>ModeMuteButton</source>
            <translation>Silenziamento</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation>Protezione udito</translation>
        </message>
        <message>
            <source>Customize</source>
            <translation>Personalizza</translation>
        </message>
        <message>
            <source>differentValues</source>
            <translation>valori diversi</translation>
        </message>
        <message>
            <source>PairedHeadphone</source>
            <translation>Cuffie associate</translation>
        </message>
        <message>
            <source>PairedMicrophone</source>
            <translation>Microfono associato</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>Luminosità</translation>
        </message>
        <message>
            <source>PowerSaving</source>
            <translation>Risparmio energetico</translation>
        </message>
        <message>
            <source>FavouriteButton</source>
            <translation>Tasto preferito</translation>
        </message>
        <message>
            <source>Systeminformation</source>
            <translation>Informazioni di sistema</translation>
        </message>
        <message>
            <source>ResetToDeliverystate</source>
            <translation>Ripristina</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Lingua</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Ora</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Data</translation>
        </message>
        <message>
            <source>Timezone</source>
            <translation>Fuso orario</translation>
        </message>
        <message>
            <source>DaylightSavingTime</source>
            <translation>Ora legale</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>Interruttore</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation>Pulsante</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Attivo</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Disattivo</translation>
        </message>
        <message>
            <source>low</source>
            <translation>bassa</translation>
        </message>
        <message>
            <source>medium</source>
            <translation>media</translation>
        </message>
        <message>
            <source>high</source>
            <translation>alta</translation>
        </message>
        <message>
            <source>Summertime</source>
            <translation>Ora legale</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation>Ora solare</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Errore</translation>
        </message>
        <message>
            <source>SettingCouldNotBeStored</source>
            <translation>Impossibile salvare l'impostazione.</translation>
        </message>
    </context>
    <context>
        <name>MessageDialog</name>
        <message>
            <source>Yes</source>
            <translation>Sì</translation>
        </message>
        <message>
            <source>No</source>
            <translation>No</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annulla</translation>
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
            <translation>Configurazione microfono</translation>
        </message>
        <message>
            <source>SensorType</source>
            <translation>Tipo di sensore</translation>
        </message>
        <message>
            <source>Gain</source>
            <translation>Guadagno</translation>
        </message>
        <message>
            <source>BatteryState</source>
            <translation>Stato batteria</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation>Versione firmware</translation>
        </message>
        <message>
            <source>HardwareVersion</source>
            <translation>Versione hardware</translation>
        </message>
        <message>
            <source>ButtonMode</source>
            <translation>Silenziamento</translation>
        </message>
        <message>
            <source>BluetoothName</source>
            <translation>Nome Bluetooth</translation>
        </message>
        <message>
            <source>BluetoothId</source>
            <translation>ID Bluetooth</translation>
        </message>
        <message>
            <source>Reload</source>
            <translation>Rileggi</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Menu principale</translation>
        </message>
        <message>
            <source>noSensor</source>
            <translation>nessun sensore</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>sconosciuto</translation>
        </message>
    </context>
    <context>
        <name>Statusbardata</name>
        <message>
            <source>Warning</source>
            <translation>Avviso</translation>
        </message>
        <message>
            <source>TheBatteryIsVeryLowPleaseRecharge</source>
            <translation>Batteria quasi scarica. Ricaricare.</translation>
        </message>
        <message>
            <source>TheSensorCouldNotBeDetected</source>
            <translation>Sensore non rilevato.</translation>
        </message>
        <message>
            <source>BatteryVoltageOfQJ5ToLow</source>
            <translation>La batteria del QJ-5 è quasi scarica.
Ricaricare.</translation>
        </message>
        <message>
            <source>ProblemWithSensorTypeDetection</source>
            <translation>Tipo di sensore non rilevato.
Fissare il sensore o pulire i contatti.</translation>
        </message>
    </context>
    <context>
        <name>BluetoothPairing</name>
        <message>
            <source>SearchBluetoothDevices</source>
            <translation>Cerca dispositivi Bluetooth</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>FoundBluetoothDevices</source>
            <translation>Dispositivi Bluetooth trovati</translation>
        </message>
        <message>
            <source>EnablePairingModeAndPressSearchButton</source>
            <translation>Attivare la modalità di associazione
e premere il pulsante Cerca.</translation>
        </message>
        <message>
            <source>Searching</source>
            <translation>Ricerca in corso</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>sconosciuto</translation>
        </message>
        <message>
            <source>SelectDeviceForPairing</source>
            <translation>Scegliere il dispositivo da associare.</translation>
        </message>
        <message>
            <source>NoDevicesFoundTryAgain</source>
            <translation>Nessun dispositivo trovato.</translation>
        </message>
        <message>
            <source>PairingDevice</source>
            <translation>Associazione in corso</translation>
        </message>
        <message>
            <source>PairingNotSuccessfulPleaseTryAgain</source>
            <translation>Associazione non riuscita. Riprovare.</translation>
        </message>
    </context>
    <context>
        <name>CustomizeDialogs</name>
        <message>
            <source>LevelMeasurement</source>
            <translation>Misura di livello</translation>
        </message>
        <message>
            <source>ShowPeakLevelBar</source>
            <translation>Mostra livello di picco</translation>
        </message>
        <message>
            <source>UseFrequencyColorForLevelBar</source>
            <translation>Colore frequenza per barra livello</translation>
        </message>
        <message>
            <source>ShowFrequencySpectrum</source>
            <translation>Mostra spettro di frequenza</translation>
        </message>
        <message>
            <source>ShowFrequencyValue</source>
            <translation>Mostra valore di frequenza</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Istogramma</translation>
        </message>
        <message>
            <source>ShowFilterParameter</source>
            <translation>Mostra parametri filtro</translation>
        </message>
        <message>
            <source>DynamicScaling</source>
            <translation>Scala dinamica</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation>Misura di lunga durata</translation>
        </message>
        <message>
            <source>ShowGrid</source>
            <translation>Mostra griglia</translation>
        </message>
        <message>
            <source>H2measurement</source>
            <translation>Misura H2</translation>
        </message>
        <message>
            <source>ShowHistogram</source>
            <translation>Mostra istogramma</translation>
        </message>
        <message>
            <source>ShowWorkingRange</source>
            <translation>Mostra campo di lavoro</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Ricerca tubi</translation>
        </message>
        <message>
            <source>PowerOn</source>
            <translation>All'accensione</translation>
        </message>
        <message>
            <source>StartWithFavourite</source>
            <translation>Avvia con il preferito</translation>
        </message>
        <message>
            <source>StartWithFilter</source>
            <translation>Avvia con filtri attivi</translation>
        </message>
        <message>
            <source>StartWithGps</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Pagina precedente</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Conferma</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Pagina successiva</translation>
        </message>
    </context>
    <context>
        <name>DateTimeAdjust</name>
        <message>
            <source>Day</source>
            <translation>Giorno</translation>
        </message>
        <message>
            <source>Month</source>
            <translation>Mese</translation>
        </message>
        <message>
            <source>Year</source>
            <translation>Anno</translation>
        </message>
        <message>
            <source>GPS</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>Manual</source>
            <translation>Manuale</translation>
        </message>
        <message>
            <source>Hour</source>
            <translation>Ora</translation>
        </message>
        <message>
            <source>Minute</source>
            <translation>Minuto</translation>
        </message>
        <message>
            <source>Second</source>
            <translation>Secondo</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Conferma</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>InvalidDate</source>
            <translation>Data non valida</translation>
        </message>
        <message>
            <source>DateDoesNotExist</source>
            <translation>Questa data non esiste. Correggerla.</translation>
        </message>
    </context>
    <context>
        <name>Displaysettings</name>
        <message>
            <source>Accept</source>
            <translation>Conferma</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>Luminosità</translation>
        </message>
        <message>
            <source>high</source>
            <translation>alta</translation>
        </message>
        <message>
            <source>medium</source>
            <translation>media</translation>
        </message>
        <message>
            <source>low</source>
            <translation>bassa</translation>
        </message>
    </context>
    <context>
        <name>HearingProtection</name>
        <message>
            <source>Accept</source>
            <translation>Conferma</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation>Protezione udito</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Attivo</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Disattivo</translation>
        </message>
        <message>
            <source>DefaultHeadphoneVolume</source>
            <translation>Regola volume cuffie</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation>Attenzione! Rischio di shock acustico.</translation>
        </message>
        <message>
            <source>MaximumVolumeWillBeLimited</source>
            <translation>Il volume massimo sarà limitato.</translation>
        </message>
    </context>
    <context>
        <name>PowerSaving</name>
        <message>
            <source>Accept</source>
            <translation>Conferma</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>BacklightOff</source>
            <translation>Display spento</translation>
        </message>
        <message>
            <source>PowerOff</source>
            <translation>Spegnimento</translation>
        </message>
        <message>
            <source>never</source>
            <translation>mai</translation>
        </message>
    </context>
    <context>
        <name>ResetSettings</name>
        <message>
            <source>Back</source>
            <translation>Indietro</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Avviso</translation>
        </message>
        <message>
            <source>ResetToDeliveryState</source>
            <translation>Ripristino delle impostazioni di fabbrica.
Tutte le impostazioni (p. es. lingua,
dispositivi Bluetooth associati) saranno ripristinate.
Le misure salvate non saranno eliminate.</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>Ripristina</translation>
        </message>
        <message>
            <source>DoYouReallyWantToResetAllSettings</source>
            <translation>Ripristinare davvero tutte le impostazioni?</translation>
        </message>
    </context>
    <context>
        <name>SelectFavouriteButton</name>
        <message>
            <source>Accept</source>
            <translation>Conferma</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annulla</translation>
        </message>
    </context>
    <context>
        <name>SelectSwitchmode</name>
        <message>
            <source>Accept</source>
            <translation>Conferma</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>ModeOfMutingButton</source>
            <translation>Modalità tasto silenziamento</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>Interruttore</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation>Pulsante</translation>
        </message>
    </context>
    <context>
        <name>SelectTimezone</name>
        <message>
            <source>DaylightSavingTime</source>
            <translation>Ora legale</translation>
        </message>
        <message>
            <source>Summertime</source>
            <translation>Ora legale</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation>Ora solare</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Conferma</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>MidwayIslands</source>
            <translation>Isole Midway</translation>
        </message>
        <message>
            <source>Hawaii</source>
            <translation>Hawaii</translation>
        </message>
        <message>
            <source>Alaska</source>
            <translation>Alaska</translation>
        </message>
        <message>
            <source>Pacific</source>
            <translation>Pacifico</translation>
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
            <translation>New York</translation>
        </message>
        <message>
            <source>Manaus</source>
            <translation>Manaus</translation>
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
            <translation>Atlantico centrale</translation>
        </message>
        <message>
            <source>Azores</source>
            <translation>Azzorre</translation>
        </message>
        <message>
            <source>London</source>
            <translation>Londra</translation>
        </message>
        <message>
            <source>Berlin</source>
            <translation>Berlino</translation>
        </message>
        <message>
            <source>Cairo</source>
            <translation>Il Cairo</translation>
        </message>
        <message>
            <source>Moscow</source>
            <translation>Mosca</translation>
        </message>
        <message>
            <source>Teheran</source>
            <translation>Teheran</translation>
        </message>
        <message>
            <source>AbuDhabi</source>
            <translation>Abu Dhabi</translation>
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
            <translation>Nuova Delhi</translation>
        </message>
        <message>
            <source>Katmandu</source>
            <translation>Katmandu</translation>
        </message>
        <message>
            <source>Nowosibirsk</source>
            <translation>Novosibirsk</translation>
        </message>
        <message>
            <source>Yangon</source>
            <translation>Yangon</translation>
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
            <translation>Tokyo</translation>
        </message>
        <message>
            <source>Darwin</source>
            <translation>Darwin</translation>
        </message>
        <message>
            <source>Sydney</source>
            <translation>Sydney</translation>
        </message>
        <message>
            <source>Magadan</source>
            <translation>Magadan</translation>
        </message>
        <message>
            <source>Fiji</source>
            <translation>Figi</translation>
        </message>
    </context>
    <context>
        <name>Systeminformation</name>
        <message>
            <source>Systeminformation</source>
            <translation>Informazioni di sistema</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation>Versione firmware</translation>
        </message>
        <message>
            <source>Serialnumber</source>
            <translation>Numero di serie</translation>
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
            <translation>Versione hardware</translation>
        </message>
        <message>
            <source>OperatingSystem</source>
            <translation>Sistema operativo</translation>
        </message>
        <message>
            <source>Battery</source>
            <translation>Batteria</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Indietro</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>sconosciuto</translation>
        </message>
    </context>
    <context>
        <name>BackupDialog</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation>Collegare il TKR 9400 al PC
e premere il pulsante Connetti.</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>Connetti</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Disconnetti</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Avviso</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation>Impossibile montare la memoria dati.
Riavviare il dispositivo.</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Errore</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation>La memoria dati è in uso.
Riprovare.</translation>
        </message>
    </context>
    <context>
        <name>Measurements</name>
        <message>
            <source>Error</source>
            <translation>Errore</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Avviso</translation>
        </message>
        <message>
            <source>NoMoreMeasurementsCanBeStored</source>
            <translation>Numero massimo di misure raggiunto.
La misura non sarà salvata.
Eliminare le misure vecchie.</translation>
        </message>
        <message>
            <source>OnlyAfewMeasurementsCanBeStored</source>
            <translation>Numero di misure vicino al limite.
Eliminare le misure vecchie.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeStored</source>
            <translation>Impossibile salvare la misura.</translation>
        </message>
    </context>
    <context>
        <name>MeasuringPage</name>
        <message>
            <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
            <translation>Per questa misura occorre
collegare un sensore acustico.</translation>
        </message>
        <message>
            <source>Note</source>
            <translation>Nota</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Avviso</translation>
        </message>
        <message>
            <source>NoBluetoothConnectionPleaseCheckYourQJ5</source>
            <translation>Nessuna connessione Bluetooth.
Controllare il QJ-5.</translation>
        </message>
    </context>
    <context>
        <name>Filtersettings</name>
        <message>
            <source>Accept</source>
            <translation>Conferma</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Guadagno microfono</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volume cuffie</translation>
        </message>
        <message>
            <source>AutomaticFilterSetting</source>
            <translation>Impostazione automatica filtro</translation>
        </message>
        <message>
            <source>NoFilter</source>
            <translation>Nessun filtro</translation>
        </message>
    </context>
    <context>
        <name>Headphonesettings</name>
        <message>
            <source>Accept</source>
            <translation>Conferma</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation>Attenzione! Rischio di shock acustico.</translation>
        </message>
        <message>
            <source>WarningHighVolumesCanLeadToHearingDamage</source>
            <translation>Attenzione!
Un volume elevato può danneggiare l'udito.</translation>
        </message>
    </context>
    <context>
        <name>Micsettings</name>
        <message>
            <source>Accept</source>
            <translation>Conferma</translation>
        </message>
    </context>
    <context>
        <name>Firmwareupdate</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation>Collegare il TKR 9400 al PC
e premere il pulsante Connetti.</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>Connetti</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Disconnetti</translation>
        </message>
        <message>
            <source>UpdateDevice</source>
            <translation>Aggiorna il firmware</translation>
        </message>
        <message>
            <source>CurrentFirmware</source>
            <translation>Firmware attuale</translation>
        </message>
        <message>
            <source>NewFirmware</source>
            <translation>Nuovo firmware</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Conferma</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>TransmittingFirmware</source>
            <translation>Trasferimento firmware</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>Stato</translation>
        </message>
        <message>
            <source>UpdatingDevice</source>
            <translation>Aggiornamento dispositivo</translation>
        </message>
        <message>
            <source>PleaseWaitForReboot</source>
            <translation>Attendere il riavvio.</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>ConnectTheTKR9400ToYourPCAndPressTheButtonConnect</source>
            <translation>Collegare il TKR 9400 al PC
e premere il pulsante Connetti.</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation>La memoria dati è in uso.
Riprovare.</translation>
        </message>
        <message>
            <source>PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied</source>
            <translation>Copiare i file del firmware.
Premere il pulsante Disconnetti
quando tutti i file sono copiati.</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation>Impossibile montare la memoria dati.
Riavviare il dispositivo.</translation>
        </message>
        <message>
            <source>UpdateTKR9400</source>
            <translation>Aggiorna TKR 9400</translation>
        </message>
        <message>
            <source>UpdateQJ-5</source>
            <translation>Aggiorna QJ-5</translation>
        </message>
        <message>
            <source>CouldNotReadFirmwarefile</source>
            <translation>Impossibile leggere il file firmware.
Riprovare.</translation>
        </message>
        <message>
            <source>UpdatingTKR9400</source>
            <translation>Aggiornamento TKR 9400</translation>
        </message>
        <message>
            <source>CopyingFilesPleaseWait</source>
            <translation>Copia dei file in corso, attendere ...</translation>
        </message>
        <message>
            <source>CouldNotCopyFirmwarefile</source>
            <translation>Impossibile copiare il file firmware.
Riprovare.</translation>
        </message>
        <message>
            <source>FirmwareupdateQJ-5</source>
            <translation>Aggiornamento firmware QJ-5</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessfullyFinished.</source>
            <translation>Aggiornamento firmware completato.</translation>
        </message>
        <message>
            <source>FirmwareupdateTKR9400</source>
            <translation>Aggiornamento firmware TKR 9400</translation>
        </message>
        <message>
            <source>AllFilesCopiedPleaseWaitForReboot</source>
            <translation>Tutti i file copiati.
Attendere il riavvio ...</translation>
        </message>
        <message>
            <source>FirmwareupdateCancelled</source>
            <translation>Aggiornamento firmware annullato.</translation>
        </message>
        <message>
            <source>TransmittingFirmwarePleaseWait</source>
            <translation>Trasferimento firmware. Attendere ...</translation>
        </message>
        <message>
            <source>ErrorDuringFirmwareUpdatePleaseTryAgain</source>
            <translation>Errore nell'aggiornamento firmware.
Riprovare.</translation>
        </message>
        <message>
            <source>FirmwareSuccessfulTransmittedPleaseWaitForRestart</source>
            <translation>Firmware trasferito correttamente.
Non spegnere il QJ-5.
Attendere il riavvio.</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessful</source>
            <translation>Aggiornamento firmware riuscito.</translation>
        </message>
        <message>
            <source>ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice</source>
            <translation>Errore di aggiornamento. Riprovare.
Nessuna risposta dal dispositivo Bluetooth.</translation>
        </message>
    </context>
    <context>
        <name>TestMenu</name>
        <message>
            <source>PreviousPage</source>
            <translation>Pagina precedente</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Menu principale</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Pagina successiva</translation>
        </message>
    </context>
    <context>
        <name>TestMenuAudioLoopback</name>
        <message>
            <source>Back</source>
            <translation>Indietro</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Superato</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Non superato</translation>
        </message>
    </context>
    <context>
        <name>TestMenuFlashUpdate</name>
        <message>
            <source>Back</source>
            <translation>Indietro</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Superato</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Non superato</translation>
        </message>
    </context>
    <context>
        <name>TestmenuAudio</name>
        <message>
            <source>Back</source>
            <translation>Indietro</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Superato</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Non superato</translation>
        </message>
    </context>
    <context>
        <name>TestmenuBattery</name>
        <message>
            <source>Back</source>
            <translation>Indietro</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Superato</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Non superato</translation>
        </message>
    </context>
    <context>
        <name>TestmenuDisplay</name>
        <message>
            <source>Back</source>
            <translation>Indietro</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Superato</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Non superato</translation>
        </message>
    </context>
    <context>
        <name>TestmenuGps</name>
        <message>
            <source>Back</source>
            <translation>Indietro</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Superato</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Non superato</translation>
        </message>
    </context>
    <context>
        <name>TestmenuInitBluetooth</name>
        <message>
            <source>Back</source>
            <translation>Indietro</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Superato</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Non superato</translation>
        </message>
    </context>
    <context>
        <name>TestmenuKeyboard</name>
        <message>
            <source>Back</source>
            <translation>Indietro</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Superato</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Non superato</translation>
        </message>
    </context>
    <context>
        <name>TestmenuLed</name>
        <message>
            <source>Back</source>
            <translation>Indietro</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Superato</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Non superato</translation>
        </message>
    </context>
    <context>
        <name>TestmenuRemoteCtrl</name>
        <message>
            <source>Back</source>
            <translation>Indietro</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSdcard</name>
        <message>
            <source>Back</source>
            <translation>Indietro</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Superato</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Non superato</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSelftest</name>
        <message>
            <source>Back</source>
            <translation>Indietro</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Superato</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Non superato</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSensordetection</name>
        <message>
            <source>Back</source>
            <translation>Indietro</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Superato</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Non superato</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUartUsbSwitch</name>
        <message>
            <source>Back</source>
            <translation>Indietro</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Superato</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Non superato</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUsb</name>
        <message>
            <source>Back</source>
            <translation>Indietro</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Superato</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Non superato</translation>
        </message>
    </context>
    <context>
        <name>MeasManagementEdit</name>
        <message>
            <source>ChangeName</source>
            <translation>Rinomina</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Conferma</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Elimina</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Istogramma</translation>
        </message>
        <message>
            <source>Levelmeasurement</source>
            <translation>Misura di livello</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Ricerca tubi</translation>
        </message>
        <message>
            <source>H2-Measurement</source>
            <translation>Misura H2</translation>
        </message>
        <message>
            <source>Longtermmeasurement</source>
            <translation>Misura di lunga durata</translation>
        </message>
    </context>
    <context>
        <name>AudioWorker</name>
        <message>
            <source>StoringTheSoundPleaseWait</source>
            <translation>Salvataggio dell'audio.
Attendere prego ...</translation>
        </message>
    </context>
</TS>
