<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO">
    <context>
        <name>GpsMonitor</name>
        <message>
            <source>GpsInformation</source>
            <translation>Informații GPS</translation>
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
            <translation>Calitate</translation>
        </message>
        <message>
            <source>DistanceMeasurement</source>
            <translation>Măsurarea distanței</translation>
        </message>
        <message>
            <source>ReferencePosition</source>
            <translation>Poziție de referință</translation>
        </message>
        <message>
            <source>CurrentPosition</source>
            <translation>Poziția curentă</translation>
        </message>
        <message>
            <source>Distance</source>
            <translation>Distanță</translation>
        </message>
        <message>
            <source>SatelliteInformation</source>
            <translation>Informații sateliți</translation>
        </message>
        <message>
            <source>Satellites</source>
            <translation>Sateliți</translation>
        </message>
        <message>
            <source>Direction</source>
            <translation>Direcție</translation>
        </message>
        <message>
            <source>Height</source>
            <translation>Altitudine</translation>
        </message>
        <message>
            <source>Groundspeed</source>
            <translation>Viteză</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Meniu principal</translation>
        </message>
        <message>
            <source>SatelliteInfo</source>
            <translation>Informații sateliți</translation>
        </message>
        <message>
            <source>SwitchGpsFormat</source>
            <translation>Schimbă formatul coordonatelor</translation>
        </message>
        <message>
            <source>DisplayNmeaData</source>
            <translation>Afișează datele NMEA</translation>
        </message>
        <message>
            <source>DisplayGpsPosition</source>
            <translation>Afișează poziția GPS</translation>
        </message>
        <message>
            <source>SetReferencePosition</source>
            <translation>Setează poziția de referință</translation>
        </message>
        <message>
            <source>StartMonitoring</source>
            <translation>Pornește monitorizarea</translation>
        </message>
        <message>
            <source>StopMonitoring</source>
            <translation>Oprește monitorizarea și setează ceasul</translation>
        </message>
        <message>
            <source>DeleteData</source>
            <translation>Șterge datele</translation>
        </message>
    </context>
    <context>
        <name>H2Sensor</name>
        <message>
            <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
            <translation>Pentru această măsurătoare
conectați un senzor H2.</translation>
        </message>
        <message>
            <source>SetReferenceLevel</source>
            <translation>Setează nivelul de referință</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Domeniu</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volum căști</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Salvează</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Meniu principal</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Înapoi</translation>
        </message>
    </context>
    <context>
        <name>LanguageSelect</name>
        <message>
            <source>German</source>
            <translation>Germană</translation>
        </message>
        <message>
            <source>French</source>
            <translation>Franceză</translation>
        </message>
        <message>
            <source>Italian</source>
            <translation>Italiană</translation>
        </message>
        <message>
            <source>Spanish</source>
            <translation>Spaniolă</translation>
        </message>
        <message>
            <source>Chinese</source>
            <translation>Chineză</translation>
        </message>
        <message>
            <source>Czech</source>
            <translation>Cehă</translation>
        </message>
        <message>
            <source>Hungarian</source>
            <translation>Maghiară</translation>
        </message>
        <message>
            <source>Russian</source>
            <translation>Rusă</translation>
        </message>
        <message>
            <source>Slovenian</source>
            <translation>Slovenă</translation>
        </message>
        <message>
            <source>Japanese</source>
            <translation>Japoneză</translation>
        </message>
        <message>
            <source>Polish</source>
            <translation>Poloneză</translation>
        </message>
        <message>
            <source>Portuguese</source>
            <translation>Portugheză</translation>
        </message>
        <message>
            <source>Romanian</source>
            <translation>Română</translation>
        </message>
        <message>
            <source>Slovakian</source>
            <translation>Slovacă</translation>
        </message>
        <message>
            <source>Swedish</source>
            <translation>Suedeză</translation>
        </message>
        <message>
            <source>Suomi</source>
            <translation>Finlandeză</translation>
        </message>
        <message>
            <source>Danish</source>
            <translation>Daneză</translation>
        </message>
        <message>
            <source>Norwegian</source>
            <translation>Norvegiană</translation>
        </message>
        <message>
            <source>Bulgarian</source>
            <translation>Bulgară</translation>
        </message>
        <message>
            <source>Croatian</source>
            <translation>Croată</translation>
        </message>
        <message>
            <source>Korean</source>
            <translation>Coreeană</translation>
        </message>
        <message>
            <source>Serbian</source>
            <translation>Sârbă</translation>
        </message>
        <message>
            <source>Turkish</source>
            <translation>Turcă</translation>
        </message>
        <message>
            <source>English</source>
            <translation>Engleză</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Pagina anterioară</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Înapoi</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Pagina următoare</translation>
        </message>
    </context>
    <context>
        <name>Levelmeasurement</name>
        <message>
            <source>AdjustFilter</source>
            <translation>Reglează filtrul</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Salvează</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volum căști</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Amplificare microfon</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Meniu principal</translation>
        </message>
        <message>
            <source>PlayRecordedSound</source>
            <translation>Redă înregistrarea</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation>Oprește redarea</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Înapoi</translation>
        </message>
        <message>
            <source>HeadphoneGain</source>
            <translation>Amplificare căști</translation>
        </message>
        <message>
            <source>StoredWithoutSound</source>
            <translation>Salvat fără sunet.</translation>
        </message>
    </context>
    <context>
        <name>Longtermmeasurement</name>
        <message>
            <source>Store</source>
            <translation>Salvează</translation>
        </message>
        <message>
            <source>AnalysisTime</source>
            <translation>Timp de analiză</translation>
        </message>
        <message>
            <source>Autoscale</source>
            <translation>Scalare automată</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation>Alte setări</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Meniu principal</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Înapoi</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Amplificare microfon</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volum căști</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Reglează filtrul</translation>
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
            <translation>Histogramă</translation>
        </message>
        <message>
            <source>H2Sensor</source>
            <translation>Senzor H2</translation>
        </message>
        <message>
            <source>Level</source>
            <translation>Nivel</translation>
        </message>
        <message>
            <source>Management</source>
            <translation>Gestionare</translation>
        </message>
        <message>
            <source>Longterm</source>
            <translation>Lungă durată</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Traseu țevi</translation>
        </message>
    </context>
    <context>
        <name>Management</name>
        <message>
            <source>Measurements</source>
            <translation>Măsurători</translation>
        </message>
        <message>
            <source>QJ-5</source>
            <translation>QJ-5</translation>
        </message>
        <message>
            <source>Update</source>
            <translation>Actualizare</translation>
        </message>
        <message>
            <source>GPS</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Setări</translation>
        </message>
    </context>
    <context>
        <name>MeasManagement</name>
        <message>
            <source>Mainmenu</source>
            <translation>Meniu principal</translation>
        </message>
        <message>
            <source>EditMeasurement</source>
            <translation>Editează măsurătoarea</translation>
        </message>
        <message>
            <source>FilterMeasurements</source>
            <translation>Filtrează măsurătorile</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Pagina anterioară</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Pagina următoare</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Eroare</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeRenamed</source>
            <translation>Măsurătoarea nu a putut fi redenumită.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeDeleted</source>
            <translation>Măsurătoarea nu a putut fi ștearsă.</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Avertisment</translation>
        </message>
        <message>
            <source>MeasurementDeletedFilesRemain</source>
            <translation>Măsurătoarea a fost scoasă din listă.
Unele dintre fișierele ei vor fi șterse la salvarea următoarei măsurători.</translation>
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
            <translation>Meniu principal</translation>
        </message>
        <message>
            <source>Autoscale</source>
            <translation>Scalare automată</translation>
        </message>
        <message>
            <source>DeleteLastLevel</source>
            <translation>Șterge ultimul nivel</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation>Alte setări</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Salvează</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Reglează filtrul</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Amplificare microfon</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volum căști</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Înapoi</translation>
        </message>
        <message>
            <source>PlayAudioData</source>
            <translation>Redă datele audio</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation>Oprește redarea</translation>
        </message>
        <message>
            <source>PlayNextPosition</source>
            <translation>Redă poziția următoare</translation>
        </message>
        <message>
            <source>LOG</source>
            <translation>LOG</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Avertisment</translation>
        </message>
        <message numerus="yes">
            <source>StoredWithoutTheSoundOfPoint</source>
            <translation>
                <numerusform>Salvat fără sunetul
punctului %1.</numerusform>
                <numerusform>Salvat fără sunetul
punctelor %1.</numerusform>
                <numerusform>Salvat fără sunetul
punctelor %1.</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>Pipelocating</name>
        <message>
            <source>Mainmenu</source>
            <translation>Meniu principal</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Reglează filtrul</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Amplificare microfon</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volum căști</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Salvează</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Înapoi</translation>
        </message>
    </context>
    <context>
        <name>PressureSensor</name>
        <message>
            <source>Mainmenu</source>
            <translation>Meniu principal</translation>
        </message>
        <message>
            <source>SetReferenceLevel</source>
            <translation>Setează nivelul de referință</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Domeniu</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volum căști</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Salvează</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Înapoi</translation>
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
            <translation>ACT = %1 bar</translation>
        </message>
    </context>
    <context>
        <name>Systemsettings</name>
        <message>
            <source>Berlin</source>
            <translation>Berlin</translation>
        </message>
        <message>
            <source>Screenshot</source>
            <translation>Captură de ecran</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histogramă</translation>
        </message>
        <message>
            <source>LevelMeasurement</source>
            <translation>Măsurare nivel</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation>Măsurare de lungă durată</translation>
        </message>
        <message>
            <source>H2-Sensor</source>
            <translation>Senzor H2</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Traseu țevi</translation>
        </message>
        <message>
            <source>never</source>
            <translation>niciodată</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Pagina anterioară</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Meniu principal</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Pagina următoare</translation>
        </message>
        <message>
            <source>ModeMuteButton</source>
            <translation>Dezactivare sunet</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation>Protecția auzului</translation>
        </message>
        <message>
            <source>Customize</source>
            <translation>Personalizare</translation>
        </message>
        <message>
            <source>differentValues</source>
            <translation>valori diferite</translation>
        </message>
        <message>
            <source>PairedHeadphone</source>
            <translation>Căști asociate</translation>
        </message>
        <message>
            <source>PairedMicrophone</source>
            <translation>Microfon asociat</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>Luminozitate</translation>
        </message>
        <message>
            <source>PowerSaving</source>
            <translation>Economie de energie</translation>
        </message>
        <message>
            <source>FavouriteButton</source>
            <translation>Tastă favorită</translation>
        </message>
        <message>
            <source>Systeminformation</source>
            <translation>Informații sistem</translation>
        </message>
        <message>
            <source>ResetToDeliverystate</source>
            <translation>Resetare</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Limbă</translation>
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
            <translation>Fus orar</translation>
        </message>
        <message>
            <source>DaylightSavingTime</source>
            <translation>Ora de vară/iarnă</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>Comutator</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation>Buton</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Activ</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Inactiv</translation>
        </message>
        <message>
            <source>low</source>
            <translation>scăzută</translation>
        </message>
        <message>
            <source>medium</source>
            <translation>medie</translation>
        </message>
        <message>
            <source>high</source>
            <translation>ridicată</translation>
        </message>
        <message>
            <source>Summertime</source>
            <translation>Ora de vară</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation>Ora de iarnă</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Eroare</translation>
        </message>
        <message>
            <source>SettingCouldNotBeStored</source>
            <translation>Setarea nu a putut fi salvată.</translation>
        </message>
    </context>
    <context>
        <name>MessageDialog</name>
        <message>
            <source>Yes</source>
            <translation>Da</translation>
        </message>
        <message>
            <source>No</source>
            <translation>Nu</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Anulează</translation>
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
            <translation>Configurare microfon</translation>
        </message>
        <message>
            <source>SensorType</source>
            <translation>Tip senzor</translation>
        </message>
        <message>
            <source>Gain</source>
            <translation>Amplificare</translation>
        </message>
        <message>
            <source>BatteryState</source>
            <translation>Stare baterie</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation>Versiune firmware</translation>
        </message>
        <message>
            <source>HardwareVersion</source>
            <translation>Versiune hardware</translation>
        </message>
        <message>
            <source>ButtonMode</source>
            <translation>Dezactivare sunet</translation>
        </message>
        <message>
            <source>BluetoothName</source>
            <translation>Nume Bluetooth</translation>
        </message>
        <message>
            <source>BluetoothId</source>
            <translation>ID Bluetooth</translation>
        </message>
        <message>
            <source>Reload</source>
            <translation>Recitește</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Meniu principal</translation>
        </message>
        <message>
            <source>noSensor</source>
            <translation>niciun senzor</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>necunoscut</translation>
        </message>
    </context>
    <context>
        <name>Statusbardata</name>
        <message>
            <source>Warning</source>
            <translation>Avertisment</translation>
        </message>
        <message>
            <source>TheBatteryIsVeryLowPleaseRecharge</source>
            <translation>Bateria este aproape descărcată. Reîncărcați-o.</translation>
        </message>
        <message>
            <source>TheSensorCouldNotBeDetected</source>
            <translation>Senzorul nu a fost detectat.</translation>
        </message>
        <message>
            <source>BatteryVoltageOfQJ5ToLow</source>
            <translation>Bateria QJ-5 este aproape descărcată.
Reîncărcați-o.</translation>
        </message>
        <message>
            <source>ProblemWithSensorTypeDetection</source>
            <translation>Tipul senzorului nu a fost detectat.
Fixați senzorul sau curățați contactele.</translation>
        </message>
    </context>
    <context>
        <name>BluetoothPairing</name>
        <message>
            <source>SearchBluetoothDevices</source>
            <translation>Caută dispozitive Bluetooth</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Anulează</translation>
        </message>
        <message>
            <source>FoundBluetoothDevices</source>
            <translation>Dispozitive Bluetooth găsite</translation>
        </message>
        <message>
            <source>EnablePairingModeAndPressSearchButton</source>
            <translation>Activați modul de asociere
și apăsați butonul Căutare.</translation>
        </message>
        <message>
            <source>Searching</source>
            <translation>Căutare</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>necunoscut</translation>
        </message>
        <message>
            <source>SelectDeviceForPairing</source>
            <translation>Selectați dispozitivul de asociat.</translation>
        </message>
        <message>
            <source>NoDevicesFoundTryAgain</source>
            <translation>Nu s-au găsit dispozitive.</translation>
        </message>
        <message>
            <source>PairingDevice</source>
            <translation>Asociere dispozitiv</translation>
        </message>
        <message>
            <source>PairingNotSuccessfulPleaseTryAgain</source>
            <translation>Asocierea a eșuat. Încercați din nou.</translation>
        </message>
    </context>
    <context>
        <name>CustomizeDialogs</name>
        <message>
            <source>LevelMeasurement</source>
            <translation>Măsurare nivel</translation>
        </message>
        <message>
            <source>ShowPeakLevelBar</source>
            <translation>Afișează nivelul de vârf</translation>
        </message>
        <message>
            <source>UseFrequencyColorForLevelBar</source>
            <translation>Culoare frecvență pe bara de nivel</translation>
        </message>
        <message>
            <source>ShowFrequencySpectrum</source>
            <translation>Afișează spectrul de frecvență</translation>
        </message>
        <message>
            <source>ShowFrequencyValue</source>
            <translation>Afișează valoarea frecvenței</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histogramă</translation>
        </message>
        <message>
            <source>ShowFilterParameter</source>
            <translation>Afișează parametrii filtrului</translation>
        </message>
        <message>
            <source>DynamicScaling</source>
            <translation>Scalare dinamică</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation>Măsurare de lungă durată</translation>
        </message>
        <message>
            <source>ShowGrid</source>
            <translation>Afișează grila</translation>
        </message>
        <message>
            <source>H2measurement</source>
            <translation>Măsurare H2</translation>
        </message>
        <message>
            <source>ShowHistogram</source>
            <translation>Afișează histograma</translation>
        </message>
        <message>
            <source>ShowWorkingRange</source>
            <translation>Afișează domeniul de lucru</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Traseu țevi</translation>
        </message>
        <message>
            <source>PowerOn</source>
            <translation>La pornire</translation>
        </message>
        <message>
            <source>StartWithFavourite</source>
            <translation>Pornește cu favoritul</translation>
        </message>
        <message>
            <source>StartWithFilter</source>
            <translation>Pornește cu filtre active</translation>
        </message>
        <message>
            <source>StartWithGps</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Pagina anterioară</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Acceptă</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Anulează</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Pagina următoare</translation>
        </message>
    </context>
    <context>
        <name>DateTimeAdjust</name>
        <message>
            <source>Day</source>
            <translation>Zi</translation>
        </message>
        <message>
            <source>Month</source>
            <translation>Lună</translation>
        </message>
        <message>
            <source>Year</source>
            <translation>An</translation>
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
            <translation>Oră</translation>
        </message>
        <message>
            <source>Minute</source>
            <translation>Minut</translation>
        </message>
        <message>
            <source>Second</source>
            <translation>Secundă</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Acceptă</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Anulează</translation>
        </message>
        <message>
            <source>InvalidDate</source>
            <translation>Dată invalidă</translation>
        </message>
        <message>
            <source>DateDoesNotExist</source>
            <translation>Această dată nu există. Corectați-o.</translation>
        </message>
    </context>
    <context>
        <name>Displaysettings</name>
        <message>
            <source>Accept</source>
            <translation>Acceptă</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Anulează</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>Luminozitate</translation>
        </message>
        <message>
            <source>high</source>
            <translation>ridicată</translation>
        </message>
        <message>
            <source>medium</source>
            <translation>medie</translation>
        </message>
        <message>
            <source>low</source>
            <translation>scăzută</translation>
        </message>
    </context>
    <context>
        <name>HearingProtection</name>
        <message>
            <source>Accept</source>
            <translation>Acceptă</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Anulează</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation>Protecția auzului</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Activ</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Inactiv</translation>
        </message>
        <message>
            <source>DefaultHeadphoneVolume</source>
            <translation>Reglează volumul căștilor</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation>Atenție! Risc de șoc acustic.</translation>
        </message>
        <message>
            <source>MaximumVolumeWillBeLimited</source>
            <translation>Volumul maxim va fi limitat.</translation>
        </message>
    </context>
    <context>
        <name>PowerSaving</name>
        <message>
            <source>Accept</source>
            <translation>Acceptă</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Anulează</translation>
        </message>
        <message>
            <source>BacklightOff</source>
            <translation>Ecran stins</translation>
        </message>
        <message>
            <source>PowerOff</source>
            <translation>Oprire</translation>
        </message>
        <message>
            <source>never</source>
            <translation>niciodată</translation>
        </message>
    </context>
    <context>
        <name>ResetSettings</name>
        <message>
            <source>Back</source>
            <translation>Înapoi</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Avertisment</translation>
        </message>
        <message>
            <source>ResetToDeliveryState</source>
            <translation>Revenire la setările din fabrică.
Toate setările (de ex. limba,
dispozitivele Bluetooth asociate) vor fi resetate.
Măsurătorile salvate nu vor fi șterse.</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>Resetare</translation>
        </message>
        <message>
            <source>DoYouReallyWantToResetAllSettings</source>
            <translation>Sigur doriți să resetați toate setările?</translation>
        </message>
    </context>
    <context>
        <name>SelectFavouriteButton</name>
        <message>
            <source>Accept</source>
            <translation>Acceptă</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Anulează</translation>
        </message>
    </context>
    <context>
        <name>SelectSwitchmode</name>
        <message>
            <source>Accept</source>
            <translation>Acceptă</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Anulează</translation>
        </message>
        <message>
            <source>ModeOfMutingButton</source>
            <translation>Modul tastei de dezactivare sunet</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>Comutator</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation>Buton</translation>
        </message>
    </context>
    <context>
        <name>SelectTimezone</name>
        <message>
            <source>DaylightSavingTime</source>
            <translation>Ora de vară/iarnă</translation>
        </message>
        <message>
            <source>Summertime</source>
            <translation>Ora de vară</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation>Ora de iarnă</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Acceptă</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Anulează</translation>
        </message>
        <message>
            <source>MidwayIslands</source>
            <translation>Insulele Midway</translation>
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
            <translation>Pacific</translation>
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
            <translation>Terra Nova</translation>
        </message>
        <message>
            <source>Greenland</source>
            <translation>Groenlanda</translation>
        </message>
        <message>
            <source>MiddleAtlantic</source>
            <translation>Atlanticul central</translation>
        </message>
        <message>
            <source>Azores</source>
            <translation>Azore</translation>
        </message>
        <message>
            <source>London</source>
            <translation>Londra</translation>
        </message>
        <message>
            <source>Berlin</source>
            <translation>Berlin</translation>
        </message>
        <message>
            <source>Cairo</source>
            <translation>Cairo</translation>
        </message>
        <message>
            <source>Moscow</source>
            <translation>Moscova</translation>
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
            <translation>New Delhi</translation>
        </message>
        <message>
            <source>Katmandu</source>
            <translation>Kathmandu</translation>
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
            <translation>Fiji</translation>
        </message>
    </context>
    <context>
        <name>Systeminformation</name>
        <message>
            <source>Systeminformation</source>
            <translation>Informații sistem</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation>Versiune firmware</translation>
        </message>
        <message>
            <source>Serialnumber</source>
            <translation>Număr de serie</translation>
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
            <translation>Versiune hardware</translation>
        </message>
        <message>
            <source>OperatingSystem</source>
            <translation>Sistem de operare</translation>
        </message>
        <message>
            <source>Battery</source>
            <translation>Baterie</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Înapoi</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>necunoscut</translation>
        </message>
    </context>
    <context>
        <name>BackupDialog</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation>Conectați TKR 9400 la PC
și apăsați butonul Conectare.</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>Conectare</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Deconectare</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Anulează</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Avertisment</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation>Memoria de date nu a putut fi montată.
Reporniți aparatul.</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Eroare</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation>Memoria de date este ocupată.
Încercați din nou.</translation>
        </message>
    </context>
    <context>
        <name>Measurements</name>
        <message>
            <source>Error</source>
            <translation>Eroare</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Avertisment</translation>
        </message>
        <message>
            <source>NoMoreMeasurementsCanBeStored</source>
            <translation>S-a atins numărul maxim de măsurători.
Măsurătoarea nu va fi salvată.
Ștergeți măsurătorile vechi.</translation>
        </message>
        <message>
            <source>OnlyAfewMeasurementsCanBeStored</source>
            <translation>Numărul de măsurători e aproape de limită.
Ștergeți măsurătorile vechi.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeStored</source>
            <translation>Măsurătoarea nu a putut fi salvată.</translation>
        </message>
    </context>
    <context>
        <name>MeasuringPage</name>
        <message>
            <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
            <translation>Pentru această măsurătoare
conectați un senzor acustic.</translation>
        </message>
        <message>
            <source>Note</source>
            <translation>Notă</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Avertisment</translation>
        </message>
        <message>
            <source>NoBluetoothConnectionPleaseCheckYourQJ5</source>
            <translation>Nicio conexiune Bluetooth.
Verificați QJ-5.</translation>
        </message>
    </context>
    <context>
        <name>Filtersettings</name>
        <message>
            <source>Accept</source>
            <translation>Acceptă</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Amplificare microfon</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Volum căști</translation>
        </message>
        <message>
            <source>AutomaticFilterSetting</source>
            <translation>Reglare automată a filtrului</translation>
        </message>
        <message>
            <source>NoFilter</source>
            <translation>Fără filtru</translation>
        </message>
    </context>
    <context>
        <name>Headphonesettings</name>
        <message>
            <source>Accept</source>
            <translation>Acceptă</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation>Atenție! Risc de șoc acustic.</translation>
        </message>
        <message>
            <source>WarningHighVolumesCanLeadToHearingDamage</source>
            <translation>Atenție!
Volumul ridicat poate afecta auzul.</translation>
        </message>
    </context>
    <context>
        <name>Micsettings</name>
        <message>
            <source>Accept</source>
            <translation>Acceptă</translation>
        </message>
    </context>
    <context>
        <name>Firmwareupdate</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation>Conectați TKR 9400 la PC
și apăsați butonul Conectare.</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>Conectare</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Deconectare</translation>
        </message>
        <message>
            <source>UpdateDevice</source>
            <translation>Actualizează firmware-ul</translation>
        </message>
        <message>
            <source>CurrentFirmware</source>
            <translation>Firmware curent</translation>
        </message>
        <message>
            <source>NewFirmware</source>
            <translation>Firmware nou</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Acceptă</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Anulează</translation>
        </message>
        <message>
            <source>TransmittingFirmware</source>
            <translation>Transfer firmware</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>Stare</translation>
        </message>
        <message>
            <source>UpdatingDevice</source>
            <translation>Actualizare aparat</translation>
        </message>
        <message>
            <source>PleaseWaitForReboot</source>
            <translation>Așteptați repornirea.</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>ConnectTheTKR9400ToYourPCAndPressTheButtonConnect</source>
            <translation>Conectați TKR 9400 la PC
și apăsați butonul Conectare.</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation>Memoria de date este ocupată.
Încercați din nou.</translation>
        </message>
        <message>
            <source>PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied</source>
            <translation>Copiați fișierele de firmware.
Apăsați butonul Deconectare
după copierea tuturor fișierelor.</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation>Memoria de date nu a putut fi montată.
Reporniți aparatul.</translation>
        </message>
        <message>
            <source>UpdateTKR9400</source>
            <translation>Actualizează TKR 9400</translation>
        </message>
        <message>
            <source>UpdateQJ-5</source>
            <translation>Actualizează QJ-5</translation>
        </message>
        <message>
            <source>CouldNotReadFirmwarefile</source>
            <translation>Fișierul de firmware nu poate fi citit.
Încercați din nou.</translation>
        </message>
        <message>
            <source>UpdatingTKR9400</source>
            <translation>Actualizare TKR 9400</translation>
        </message>
        <message>
            <source>CopyingFilesPleaseWait</source>
            <translation>Se copiază fișierele, așteptați ...</translation>
        </message>
        <message>
            <source>CouldNotCopyFirmwarefile</source>
            <translation>Fișierul de firmware nu a putut fi copiat.
Încercați din nou.</translation>
        </message>
        <message>
            <source>FirmwareupdateQJ-5</source>
            <translation>Actualizare firmware QJ-5</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessfullyFinished.</source>
            <translation>Actualizarea firmware-ului a reușit.</translation>
        </message>
        <message>
            <source>FirmwareupdateTKR9400</source>
            <translation>Actualizare firmware TKR 9400</translation>
        </message>
        <message>
            <source>AllFilesCopiedPleaseWaitForReboot</source>
            <translation>Toate fișierele au fost copiate.
Așteptați repornirea ...</translation>
        </message>
        <message>
            <source>FirmwareupdateCancelled</source>
            <translation>Actualizarea firmware-ului a fost anulată.</translation>
        </message>
        <message>
            <source>TransmittingFirmwarePleaseWait</source>
            <translation>Transfer firmware. Așteptați ...</translation>
        </message>
        <message>
            <source>ErrorDuringFirmwareUpdatePleaseTryAgain</source>
            <translation>Eroare la actualizarea firmware-ului.
Încercați din nou.</translation>
        </message>
        <message>
            <source>FirmwareSuccessfulTransmittedPleaseWaitForRestart</source>
            <translation>Firmware transferat cu succes.
Nu opriți QJ-5.
Așteptați repornirea.</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessful</source>
            <translation>Actualizare firmware reușită.</translation>
        </message>
        <message>
            <source>ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice</source>
            <translation>Eroare la actualizare. Încercați din nou.
Dispozitivul Bluetooth nu răspunde.</translation>
        </message>
    </context>
    <context>
        <name>TestMenu</name>
        <message>
            <source>PreviousPage</source>
            <translation>Pagina anterioară</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Meniu principal</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Pagina următoare</translation>
        </message>
    </context>
    <context>
        <name>TestMenuAudioLoopback</name>
        <message>
            <source>Back</source>
            <translation>Înapoi</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Reușit</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Eșuat</translation>
        </message>
    </context>
    <context>
        <name>TestMenuFlashUpdate</name>
        <message>
            <source>Back</source>
            <translation>Înapoi</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Reușit</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Eșuat</translation>
        </message>
    </context>
    <context>
        <name>TestmenuAudio</name>
        <message>
            <source>Back</source>
            <translation>Înapoi</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Reușit</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Eșuat</translation>
        </message>
    </context>
    <context>
        <name>TestmenuBattery</name>
        <message>
            <source>Back</source>
            <translation>Înapoi</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Reușit</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Eșuat</translation>
        </message>
    </context>
    <context>
        <name>TestmenuDisplay</name>
        <message>
            <source>Back</source>
            <translation>Înapoi</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Reușit</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Eșuat</translation>
        </message>
    </context>
    <context>
        <name>TestmenuGps</name>
        <message>
            <source>Back</source>
            <translation>Înapoi</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Reușit</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Eșuat</translation>
        </message>
    </context>
    <context>
        <name>TestmenuInitBluetooth</name>
        <message>
            <source>Back</source>
            <translation>Înapoi</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Reușit</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Eșuat</translation>
        </message>
    </context>
    <context>
        <name>TestmenuKeyboard</name>
        <message>
            <source>Back</source>
            <translation>Înapoi</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Reușit</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Eșuat</translation>
        </message>
    </context>
    <context>
        <name>TestmenuLed</name>
        <message>
            <source>Back</source>
            <translation>Înapoi</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Reușit</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Eșuat</translation>
        </message>
    </context>
    <context>
        <name>TestmenuRemoteCtrl</name>
        <message>
            <source>Back</source>
            <translation>Înapoi</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSdcard</name>
        <message>
            <source>Back</source>
            <translation>Înapoi</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Reușit</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Eșuat</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSelftest</name>
        <message>
            <source>Back</source>
            <translation>Înapoi</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Reușit</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Eșuat</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSensordetection</name>
        <message>
            <source>Back</source>
            <translation>Înapoi</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Reușit</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Eșuat</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUartUsbSwitch</name>
        <message>
            <source>Back</source>
            <translation>Înapoi</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Reușit</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Eșuat</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUsb</name>
        <message>
            <source>Back</source>
            <translation>Înapoi</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Reușit</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Eșuat</translation>
        </message>
    </context>
    <context>
        <name>MeasManagementEdit</name>
        <message>
            <source>ChangeName</source>
            <translation>Redenumește</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Acceptă</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Anulează</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Șterge</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histogramă</translation>
        </message>
        <message>
            <source>Levelmeasurement</source>
            <translation>Măsurare nivel</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Traseu țevi</translation>
        </message>
        <message>
            <source>H2-Measurement</source>
            <translation>Măsurare H2</translation>
        </message>
        <message>
            <source>Longtermmeasurement</source>
            <translation>Măsurare de lungă durată</translation>
        </message>
    </context>
    <context>
        <name>AudioWorker</name>
        <message>
            <source>StoringTheSoundPleaseWait</source>
            <translation>Se salvează sunetul.
Vă rugăm să așteptați ...</translation>
        </message>
    </context>
</TS>
