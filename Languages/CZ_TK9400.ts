<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
    <context>
        <name>GpsMonitor</name>
        <message>
            <source>GpsInformation</source>
            <translation>Informace GPS</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Čas</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Datum</translation>
        </message>
        <message>
            <source>Latitude</source>
            <translation>Zeměp. šířka</translation>
        </message>
        <message>
            <source>Longitude</source>
            <translation>Zeměp. délka</translation>
        </message>
        <message>
            <source>Quality</source>
            <translation>Kvalita</translation>
        </message>
        <message>
            <source>DistanceMeasurement</source>
            <translation>Měření vzdálenosti</translation>
        </message>
        <message>
            <source>ReferencePosition</source>
            <translation>Referenční poloha</translation>
        </message>
        <message>
            <source>CurrentPosition</source>
            <translation>Aktuální poloha</translation>
        </message>
        <message>
            <source>Distance</source>
            <translation>Vzdálenost</translation>
        </message>
        <message>
            <source>SatelliteInformation</source>
            <translation>Informace o satelitech</translation>
        </message>
        <message>
            <source>Satellites</source>
            <translation>Satelity</translation>
        </message>
        <message>
            <source>Direction</source>
            <translation>Směr</translation>
        </message>
        <message>
            <source>Height</source>
            <translation>Výška</translation>
        </message>
        <message>
            <source>Groundspeed</source>
            <translation>Rychlost</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Hlavní menu</translation>
        </message>
        <message>
            <source>SatelliteInfo</source>
            <translation>Informace o satelitech</translation>
        </message>
        <message>
            <source>SwitchGpsFormat</source>
            <translation>Přepnout formát souřadnic</translation>
        </message>
        <message>
            <source>DisplayNmeaData</source>
            <translation>Zobrazit data NMEA</translation>
        </message>
        <message>
            <source>DisplayGpsPosition</source>
            <translation>Zobrazit polohu GPS</translation>
        </message>
        <message>
            <source>SetReferencePosition</source>
            <translation>Nastavit referenční polohu</translation>
        </message>
        <message>
            <source>StartMonitoring</source>
            <translation>Spustit sledování</translation>
        </message>
        <message>
            <source>StopMonitoring</source>
            <translation>Zastavit sledování a nastavit hodiny</translation>
        </message>
        <message>
            <source>DeleteData</source>
            <translation>Smazat data</translation>
        </message>
    </context>
    <context>
        <name>H2Sensor</name>
        <message>
            <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
            <translation>Pro toto měření
připojte snímač H2.</translation>
        </message>
        <message>
            <source>SetReferenceLevel</source>
            <translation>Nastavit referenční hladinu</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Rozsah</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Hlasitost sluchátek</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Uložit</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Hlavní menu</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Zpět</translation>
        </message>
    </context>
    <context>
        <name>LanguageSelect</name>
        <message>
            <source>German</source>
            <translation>Němčina</translation>
        </message>
        <message>
            <source>French</source>
            <translation>Francouzština</translation>
        </message>
        <message>
            <source>Italian</source>
            <translation>Italština</translation>
        </message>
        <message>
            <source>Spanish</source>
            <translation>Španělština</translation>
        </message>
        <message>
            <source>Chinese</source>
            <translation>Čínština</translation>
        </message>
        <message>
            <source>Czech</source>
            <translation>Čeština</translation>
        </message>
        <message>
            <source>Hungarian</source>
            <translation>Maďarština</translation>
        </message>
        <message>
            <source>Russian</source>
            <translation>Ruština</translation>
        </message>
        <message>
            <source>Slovenian</source>
            <translation>Slovinština</translation>
        </message>
        <message>
            <source>Japanese</source>
            <translation>Japonština</translation>
        </message>
        <message>
            <source>Polish</source>
            <translation>Polština</translation>
        </message>
        <message>
            <source>Portuguese</source>
            <translation>Portugalština</translation>
        </message>
        <message>
            <source>Romanian</source>
            <translation>Rumunština</translation>
        </message>
        <message>
            <source>Slovakian</source>
            <translation>Slovenština</translation>
        </message>
        <message>
            <source>Swedish</source>
            <translation>Švédština</translation>
        </message>
        <message>
            <source>Suomi</source>
            <translation>Finština</translation>
        </message>
        <message>
            <source>Danish</source>
            <translation>Dánština</translation>
        </message>
        <message>
            <source>Norwegian</source>
            <translation>Norština</translation>
        </message>
        <message>
            <source>Bulgarian</source>
            <translation>Bulharština</translation>
        </message>
        <message>
            <source>Croatian</source>
            <translation>Chorvatština</translation>
        </message>
        <message>
            <source>Korean</source>
            <translation>Korejština</translation>
        </message>
        <message>
            <source>Serbian</source>
            <translation>Srbština</translation>
        </message>
        <message>
            <source>Turkish</source>
            <translation>Turečtina</translation>
        </message>
        <message>
            <source>English</source>
            <translation>Angličtina</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Předchozí stránka</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Zpět</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Další stránka</translation>
        </message>
    </context>
    <context>
        <name>Levelmeasurement</name>
        <message>
            <source>AdjustFilter</source>
            <translation>Nastavit filtr</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Uložit</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Hlasitost sluchátek</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Zesílení mikrofonu</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Hlavní menu</translation>
        </message>
        <message>
            <source>PlayRecordedSound</source>
            <translation>Přehrát záznam</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation>Zastavit přehrávání</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Zpět</translation>
        </message>
        <message>
            <source>HeadphoneGain</source>
            <translation>Zesílení sluchátek</translation>
        </message>
        <message>
            <source>StoredWithoutSound</source>
            <translation>Uloženo bez zvuku.</translation>
        </message>
    </context>
    <context>
        <name>Longtermmeasurement</name>
        <message>
            <source>Store</source>
            <translation>Uložit</translation>
        </message>
        <message>
            <source>AnalysisTime</source>
            <translation>Doba analýzy</translation>
        </message>
        <message>
            <source>Autoscale</source>
            <translation>Automatické měřítko</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation>Další nastavení</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Hlavní menu</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Zpět</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Zesílení mikrofonu</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Hlasitost sluchátek</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Nastavit filtr</translation>
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
            <translation>Histogram</translation>
        </message>
        <message>
            <source>H2Sensor</source>
            <translation>Snímač H2</translation>
        </message>
        <message>
            <source>Level</source>
            <translation>Hladina</translation>
        </message>
        <message>
            <source>Management</source>
            <translation>Správa</translation>
        </message>
        <message>
            <source>Longterm</source>
            <translation>Dlouhodobé</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Trasování</translation>
        </message>
    </context>
    <context>
        <name>Management</name>
        <message>
            <source>Measurements</source>
            <translation>Měření</translation>
        </message>
        <message>
            <source>QJ-5</source>
            <translation>QJ-5</translation>
        </message>
        <message>
            <source>Update</source>
            <translation>Aktualizace</translation>
        </message>
        <message>
            <source>GPS</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Nastavení</translation>
        </message>
    </context>
    <context>
        <name>MeasManagement</name>
        <message>
            <source>Mainmenu</source>
            <translation>Hlavní menu</translation>
        </message>
        <message>
            <source>EditMeasurement</source>
            <translation>Upravit měření</translation>
        </message>
        <message>
            <source>FilterMeasurements</source>
            <translation>Filtrovat měření</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Předchozí stránka</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Další stránka</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Chyba</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeRenamed</source>
            <translation>Měření nelze přejmenovat.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeDeleted</source>
            <translation>Měření nelze smazat.</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Varování</translation>
        </message>
        <message>
            <source>MeasurementDeletedFilesRemain</source>
            <translation>Měření bylo odebráno ze seznamu.
Některé jeho soubory budou smazány při uložení dalšího měření.</translation>
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
            <translation>Hlavní menu</translation>
        </message>
        <message>
            <source>Autoscale</source>
            <translation>Automatické měřítko</translation>
        </message>
        <message>
            <source>DeleteLastLevel</source>
            <translation>Smazat poslední hladinu</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation>Další nastavení</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Uložit</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Nastavit filtr</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Zesílení mikrofonu</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Hlasitost sluchátek</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Zpět</translation>
        </message>
        <message>
            <source>PlayAudioData</source>
            <translation>Přehrát zvuk</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation>Zastavit přehrávání</translation>
        </message>
        <message>
            <source>PlayNextPosition</source>
            <translation>Další bod</translation>
        </message>
        <message>
            <source>LOG</source>
            <translation>LOG</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Varování</translation>
        </message>
        <message numerus="yes">
            <source>StoredWithoutTheSoundOfPoint</source>
            <translation>
                <numerusform>Uloženo bez zvuku
bodu %1.</numerusform>
                <numerusform>Uloženo bez zvuku
bodů %1.</numerusform>
                <numerusform>Uloženo bez zvuku
bodů %1.</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>Pipelocating</name>
        <message>
            <source>Mainmenu</source>
            <translation>Hlavní menu</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Nastavit filtr</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Zesílení mikrofonu</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Hlasitost sluchátek</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Uložit</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Zpět</translation>
        </message>
    </context>
    <context>
        <name>PressureSensor</name>
        <message>
            <source>Mainmenu</source>
            <translation>Hlavní menu</translation>
        </message>
        <message>
            <source>SetReferenceLevel</source>
            <translation>Nastavit referenční hladinu</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Rozsah</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Hlasitost sluchátek</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Uložit</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Zpět</translation>
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
            <translation>PRŮM = %1 bar</translation>
        </message>
        <message>
            <source>DEV = %1 bar</source>
            <translation>σ = %1 bar</translation>
        </message>
        <message>
            <source>ACT = %1 bar</source>
            <translation>AKT = %1 bar</translation>
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
            <translation>Snímek obrazovky</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histogram</translation>
        </message>
        <message>
            <source>LevelMeasurement</source>
            <translation>Měření hladiny</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation>Dlouhodobé měření</translation>
        </message>
        <message>
            <source>H2-Sensor</source>
            <translation>Snímač H2</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Trasování</translation>
        </message>
        <message>
            <source>never</source>
            <translation>nikdy</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Předchozí stránka</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Hlavní menu</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Další stránka</translation>
        </message>
        <message>
            <source>ModeMuteButton</source>
            <translation>Ztlumení</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation>Ochrana sluchu</translation>
        </message>
        <message>
            <source>Customize</source>
            <translation>Přizpůsobení</translation>
        </message>
        <message>
            <source>differentValues</source>
            <translation>různé hodnoty</translation>
        </message>
        <message>
            <source>PairedHeadphone</source>
            <translation>Spárovaná sluchátka</translation>
        </message>
        <message>
            <source>PairedMicrophone</source>
            <translation>Spárovaný mikrofon</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>Jas</translation>
        </message>
        <message>
            <source>PowerSaving</source>
            <translation>Úspora energie</translation>
        </message>
        <message>
            <source>FavouriteButton</source>
            <translation>Oblíbené tlačítko</translation>
        </message>
        <message>
            <source>Systeminformation</source>
            <translation>Informace o systému</translation>
        </message>
        <message>
            <source>ResetToDeliverystate</source>
            <translation>Tovární nastavení</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Jazyk</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Čas</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Datum</translation>
        </message>
        <message>
            <source>Timezone</source>
            <translation>Časové pásmo</translation>
        </message>
        <message>
            <source>DaylightSavingTime</source>
            <translation>Letní/zimní čas</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>Přepínač</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation>Tlačítko</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Zapnuto</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Vypnuto</translation>
        </message>
        <message>
            <source>low</source>
            <translation>nízký</translation>
        </message>
        <message>
            <source>medium</source>
            <translation>střední</translation>
        </message>
        <message>
            <source>high</source>
            <translation>vysoký</translation>
        </message>
        <message>
            <source>Summertime</source>
            <translation>Letní čas</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation>Zimní čas</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Chyba</translation>
        </message>
        <message>
            <source>SettingCouldNotBeStored</source>
            <translation>Nastavení nelze uložit.</translation>
        </message>
    </context>
    <context>
        <name>MessageDialog</name>
        <message>
            <source>Yes</source>
            <translation>Ano</translation>
        </message>
        <message>
            <source>No</source>
            <translation>Ne</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Zrušit</translation>
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
            <translation>Konfigurace mikrofonu</translation>
        </message>
        <message>
            <source>SensorType</source>
            <translation>Typ snímače</translation>
        </message>
        <message>
            <source>Gain</source>
            <translation>Zesílení</translation>
        </message>
        <message>
            <source>BatteryState</source>
            <translation>Stav baterie</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation>Verze firmwaru</translation>
        </message>
        <message>
            <source>HardwareVersion</source>
            <translation>Verze hardwaru</translation>
        </message>
        <message>
            <source>ButtonMode</source>
            <translation>Ztlumení</translation>
        </message>
        <message>
            <source>BluetoothName</source>
            <translation>Název Bluetooth</translation>
        </message>
        <message>
            <source>BluetoothId</source>
            <translation>Bluetooth ID</translation>
        </message>
        <message>
            <source>Reload</source>
            <translation>Obnovit</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Hlavní menu</translation>
        </message>
        <message>
            <source>noSensor</source>
            <translation>bez snímače</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>neznámé</translation>
        </message>
    </context>
    <context>
        <name>Statusbardata</name>
        <message>
            <source>Warning</source>
            <translation>Varování</translation>
        </message>
        <message>
            <source>TheBatteryIsVeryLowPleaseRecharge</source>
            <translation>Baterie je téměř vybitá. Nabijte ji.</translation>
        </message>
        <message>
            <source>TheSensorCouldNotBeDetected</source>
            <translation>Snímač nebyl rozpoznán.</translation>
        </message>
        <message>
            <source>BatteryVoltageOfQJ5ToLow</source>
            <translation>Baterie QJ-5 je téměř vybitá.
Nabijte ji.</translation>
        </message>
        <message>
            <source>ProblemWithSensorTypeDetection</source>
            <translation>Typ snímače nelze rozpoznat.
Upevněte snímač nebo očistěte kontakty.</translation>
        </message>
    </context>
    <context>
        <name>BluetoothPairing</name>
        <message>
            <source>SearchBluetoothDevices</source>
            <translation>Hledat zařízení Bluetooth</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Zrušit</translation>
        </message>
        <message>
            <source>FoundBluetoothDevices</source>
            <translation>Nalezená zařízení Bluetooth</translation>
        </message>
        <message>
            <source>EnablePairingModeAndPressSearchButton</source>
            <translation>Zapněte režim párování
a klepněte na tlačítko „Hledat“.</translation>
        </message>
        <message>
            <source>Searching</source>
            <translation>Hledání</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>neznámé</translation>
        </message>
        <message>
            <source>SelectDeviceForPairing</source>
            <translation>Vyberte zařízení pro párování.</translation>
        </message>
        <message>
            <source>NoDevicesFoundTryAgain</source>
            <translation>Nebylo nalezeno žádné zařízení.</translation>
        </message>
        <message>
            <source>PairingDevice</source>
            <translation>Párování zařízení</translation>
        </message>
        <message>
            <source>PairingNotSuccessfulPleaseTryAgain</source>
            <translation>Párování se nezdařilo. Zkuste to znovu.</translation>
        </message>
    </context>
    <context>
        <name>CustomizeDialogs</name>
        <message>
            <source>LevelMeasurement</source>
            <translation>Měření hladiny</translation>
        </message>
        <message>
            <source>ShowPeakLevelBar</source>
            <translation>Zobrazit špičkovou hladinu</translation>
        </message>
        <message>
            <source>UseFrequencyColorForLevelBar</source>
            <translation>Barva frekvence pro pruh hladiny</translation>
        </message>
        <message>
            <source>ShowFrequencySpectrum</source>
            <translation>Zobrazit frekvenční spektrum</translation>
        </message>
        <message>
            <source>ShowFrequencyValue</source>
            <translation>Zobrazit frekvenci</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histogram</translation>
        </message>
        <message>
            <source>ShowFilterParameter</source>
            <translation>Zobrazit parametry filtru</translation>
        </message>
        <message>
            <source>DynamicScaling</source>
            <translation>Dynamické měřítko</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation>Dlouhodobé měření</translation>
        </message>
        <message>
            <source>ShowGrid</source>
            <translation>Zobrazit mřížku</translation>
        </message>
        <message>
            <source>H2measurement</source>
            <translation>Měření H2</translation>
        </message>
        <message>
            <source>ShowHistogram</source>
            <translation>Zobrazit histogram</translation>
        </message>
        <message>
            <source>ShowWorkingRange</source>
            <translation>Zobrazit pracovní rozsah</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Trasování</translation>
        </message>
        <message>
            <source>PowerOn</source>
            <translation>Akce po zapnutí</translation>
        </message>
        <message>
            <source>StartWithFavourite</source>
            <translation>Spustit oblíbenou funkci</translation>
        </message>
        <message>
            <source>StartWithFilter</source>
            <translation>Spustit se zapnutými filtry</translation>
        </message>
        <message>
            <source>StartWithGps</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Předchozí stránka</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Potvrdit</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Zrušit</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Další stránka</translation>
        </message>
    </context>
    <context>
        <name>DateTimeAdjust</name>
        <message>
            <source>Day</source>
            <translation>Den</translation>
        </message>
        <message>
            <source>Month</source>
            <translation>Měsíc</translation>
        </message>
        <message>
            <source>Year</source>
            <translation>Rok</translation>
        </message>
        <message>
            <source>GPS</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>Manual</source>
            <translation>Ručně</translation>
        </message>
        <message>
            <source>Hour</source>
            <translation>Hodina</translation>
        </message>
        <message>
            <source>Minute</source>
            <translation>Minuta</translation>
        </message>
        <message>
            <source>Second</source>
            <translation>Sekunda</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Potvrdit</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Zrušit</translation>
        </message>
        <message>
            <source>InvalidDate</source>
            <translation>Neplatné datum</translation>
        </message>
        <message>
            <source>DateDoesNotExist</source>
            <translation>Toto datum neexistuje. Opravte ho.</translation>
        </message>
    </context>
    <context>
        <name>Displaysettings</name>
        <message>
            <source>Accept</source>
            <translation>Potvrdit</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Zrušit</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>Jas</translation>
        </message>
        <message>
            <source>high</source>
            <translation>vysoký</translation>
        </message>
        <message>
            <source>medium</source>
            <translation>střední</translation>
        </message>
        <message>
            <source>low</source>
            <translation>nízký</translation>
        </message>
    </context>
    <context>
        <name>HearingProtection</name>
        <message>
            <source>Accept</source>
            <translation>Potvrdit</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Zrušit</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation>Ochrana sluchu</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Zapnuto</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Vypnuto</translation>
        </message>
        <message>
            <source>DefaultHeadphoneVolume</source>
            <translation>Hlasitost sluchátek</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation>Varování! Nebezpečí akustického šoku.</translation>
        </message>
        <message>
            <source>MaximumVolumeWillBeLimited</source>
            <translation>Maximální hlasitost bude omezena.</translation>
        </message>
    </context>
    <context>
        <name>PowerSaving</name>
        <message>
            <source>Accept</source>
            <translation>Potvrdit</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Zrušit</translation>
        </message>
        <message>
            <source>BacklightOff</source>
            <translation>Vypnutí podsvícení</translation>
        </message>
        <message>
            <source>PowerOff</source>
            <translation>Vypnutí</translation>
        </message>
        <message>
            <source>never</source>
            <translation>nikdy</translation>
        </message>
    </context>
    <context>
        <name>ResetSettings</name>
        <message>
            <source>Back</source>
            <translation>Zpět</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Varování</translation>
        </message>
        <message>
            <source>ResetToDeliveryState</source>
            <translation>Obnovení továrního nastavení.
Všechna nastavení (např. jazyk,
spárovaná zařízení Bluetooth) budou resetována.
Uložená měření nebudou smazána.</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>Resetovat</translation>
        </message>
        <message>
            <source>DoYouReallyWantToResetAllSettings</source>
            <translation>Opravdu chcete obnovit tovární nastavení?</translation>
        </message>
    </context>
    <context>
        <name>SelectFavouriteButton</name>
        <message>
            <source>Accept</source>
            <translation>Potvrdit</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Zrušit</translation>
        </message>
    </context>
    <context>
        <name>SelectSwitchmode</name>
        <message>
            <source>Accept</source>
            <translation>Potvrdit</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Zrušit</translation>
        </message>
        <message>
            <source>ModeOfMutingButton</source>
            <translation>Režim tlačítka ztlumení</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>Přepínač</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation>Tlačítko</translation>
        </message>
    </context>
    <context>
        <name>SelectTimezone</name>
        <message>
            <source>DaylightSavingTime</source>
            <translation>Letní/zimní čas</translation>
        </message>
        <message>
            <source>Summertime</source>
            <translation>Letní čas</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation>Zimní čas</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Potvrdit</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Zrušit</translation>
        </message>
        <message>
            <source>MidwayIslands</source>
            <translation>Midwayské ostrovy</translation>
        </message>
        <message>
            <source>Hawaii</source>
            <translation>Havaj</translation>
        </message>
        <message>
            <source>Alaska</source>
            <translation>Aljaška</translation>
        </message>
        <message>
            <source>Pacific</source>
            <translation>Pacifik</translation>
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
            <translation>Newfoundland</translation>
        </message>
        <message>
            <source>Greenland</source>
            <translation>Grónsko</translation>
        </message>
        <message>
            <source>MiddleAtlantic</source>
            <translation>Střední Atlantik</translation>
        </message>
        <message>
            <source>Azores</source>
            <translation>Azory</translation>
        </message>
        <message>
            <source>London</source>
            <translation>Londýn</translation>
        </message>
        <message>
            <source>Berlin</source>
            <translation>Berlín</translation>
        </message>
        <message>
            <source>Cairo</source>
            <translation>Káhira</translation>
        </message>
        <message>
            <source>Moscow</source>
            <translation>Moskva</translation>
        </message>
        <message>
            <source>Teheran</source>
            <translation>Teherán</translation>
        </message>
        <message>
            <source>AbuDhabi</source>
            <translation>Abú Dhabí</translation>
        </message>
        <message>
            <source>Kabul</source>
            <translation>Kábul</translation>
        </message>
        <message>
            <source>Islamabad</source>
            <translation>Islámábád</translation>
        </message>
        <message>
            <source>NewDelhi</source>
            <translation>Nové Dillí</translation>
        </message>
        <message>
            <source>Katmandu</source>
            <translation>Káthmándú</translation>
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
            <translation>Hongkong</translation>
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
            <translation>Sydney</translation>
        </message>
        <message>
            <source>Magadan</source>
            <translation>Magadan</translation>
        </message>
        <message>
            <source>Fiji</source>
            <translation>Fidži</translation>
        </message>
    </context>
    <context>
        <name>Systeminformation</name>
        <message>
            <source>Systeminformation</source>
            <translation>Informace o systému</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation>Verze firmwaru</translation>
        </message>
        <message>
            <source>Serialnumber</source>
            <translation>Sériové číslo</translation>
        </message>
        <message>
            <source>BluetoothIdTx</source>
            <translation>Bluetooth ID TX</translation>
        </message>
        <message>
            <source>BluetoothIdRx</source>
            <translation>Bluetooth ID RX</translation>
        </message>
        <message>
            <source>Hardwareversion</source>
            <translation>Verze hardwaru</translation>
        </message>
        <message>
            <source>OperatingSystem</source>
            <translation>Operační systém</translation>
        </message>
        <message>
            <source>Battery</source>
            <translation>Baterie</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Zpět</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>neznámé</translation>
        </message>
    </context>
    <context>
        <name>BackupDialog</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation>Připojte TKR 9400 k PC
a klepněte na tlačítko „Připojit“.</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>Připojit</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Odpojit</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Zrušit</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Varování</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation>Paměť dat nelze připojit.
Restartujte přístroj.</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Chyba</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation>Paměť dat se používá.
Zkuste to znovu.</translation>
        </message>
    </context>
    <context>
        <name>Measurements</name>
        <message>
            <source>Error</source>
            <translation>Chyba</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Varování</translation>
        </message>
        <message>
            <source>NoMoreMeasurementsCanBeStored</source>
            <translation>Dosažen maximální počet měření.
Měření nebude uloženo.
Smažte stará měření.</translation>
        </message>
        <message>
            <source>OnlyAfewMeasurementsCanBeStored</source>
            <translation>Počet měření se blíží limitu.
Smažte stará měření.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeStored</source>
            <translation>Měření nelze uložit.</translation>
        </message>
    </context>
    <context>
        <name>MeasuringPage</name>
        <message>
            <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
            <translation>Pro toto měření
připojte akustický snímač.</translation>
        </message>
        <message>
            <source>Note</source>
            <translation>Poznámka</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Varování</translation>
        </message>
        <message>
            <source>NoBluetoothConnectionPleaseCheckYourQJ5</source>
            <translation>Žádné spojení Bluetooth.
Zkontrolujte QJ-5.</translation>
        </message>
    </context>
    <context>
        <name>Filtersettings</name>
        <message>
            <source>Accept</source>
            <translation>Potvrdit</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Zesílení mikrofonu</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Hlasitost sluchátek</translation>
        </message>
        <message>
            <source>AutomaticFilterSetting</source>
            <translation>Automatické nastavení filtru</translation>
        </message>
        <message>
            <source>NoFilter</source>
            <translation>Bez filtru</translation>
        </message>
    </context>
    <context>
        <name>Headphonesettings</name>
        <message>
            <source>Accept</source>
            <translation>Potvrdit</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation>Varování! Nebezpečí akustického šoku.</translation>
        </message>
        <message>
            <source>WarningHighVolumesCanLeadToHearingDamage</source>
            <translation>Varování!
Vysoká hlasitost může poškodit sluch.</translation>
        </message>
    </context>
    <context>
        <name>Micsettings</name>
        <message>
            <source>Accept</source>
            <translation>Potvrdit</translation>
        </message>
    </context>
    <context>
        <name>Firmwareupdate</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation>Připojte TKR 9400 k PC
a klepněte na tlačítko „Připojit“.</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>Připojit</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Odpojit</translation>
        </message>
        <message>
            <source>UpdateDevice</source>
            <translation>Aktualizace firmwaru</translation>
        </message>
        <message>
            <source>CurrentFirmware</source>
            <translation>Aktuální firmware</translation>
        </message>
        <message>
            <source>NewFirmware</source>
            <translation>Nový firmware</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Potvrdit</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Zrušit</translation>
        </message>
        <message>
            <source>TransmittingFirmware</source>
            <translation>Přenos firmwaru</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>Stav</translation>
        </message>
        <message>
            <source>UpdatingDevice</source>
            <translation>Aktualizace přístroje</translation>
        </message>
        <message>
            <source>PleaseWaitForReboot</source>
            <translation>Počkejte na restart.</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>ConnectTheTKR9400ToYourPCAndPressTheButtonConnect</source>
            <translation>Připojte TKR 9400 k PC
a klepněte na tlačítko „Připojit“.</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation>Paměť dat se používá.
Zkuste to znovu.</translation>
        </message>
        <message>
            <source>PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied</source>
            <translation>Zkopírujte soubory firmwaru.
Klepněte na tlačítko „Odpojit“,
až budou všechny soubory zkopírovány.</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation>Paměť dat nelze připojit.
Restartujte přístroj.</translation>
        </message>
        <message>
            <source>UpdateTKR9400</source>
            <translation>Aktualizovat TKR 9400</translation>
        </message>
        <message>
            <source>UpdateQJ-5</source>
            <translation>Aktualizovat QJ-5</translation>
        </message>
        <message>
            <source>CouldNotReadFirmwarefile</source>
            <translation>Soubor firmwaru nelze přečíst.
Zkuste to znovu.</translation>
        </message>
        <message>
            <source>UpdatingTKR9400</source>
            <translation>Aktualizace TKR 9400</translation>
        </message>
        <message>
            <source>CopyingFilesPleaseWait</source>
            <translation>Kopírování souborů, čekejte ...</translation>
        </message>
        <message>
            <source>CouldNotCopyFirmwarefile</source>
            <translation>Soubor firmwaru nelze zkopírovat.
Zkuste to znovu.</translation>
        </message>
        <message>
            <source>FirmwareupdateQJ-5</source>
            <translation>Aktualizace firmwaru QJ-5</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessfullyFinished.</source>
            <translation>Aktualizace firmwaru byla úspěšně dokončena.</translation>
        </message>
        <message>
            <source>FirmwareupdateTKR9400</source>
            <translation>Aktualizace firmwaru TKR 9400</translation>
        </message>
        <message>
            <source>AllFilesCopiedPleaseWaitForReboot</source>
            <translation>Všechny soubory zkopírovány.
Počkejte na restart ...</translation>
        </message>
        <message>
            <source>FirmwareupdateCancelled</source>
            <translation>Aktualizace firmwaru zrušena.</translation>
        </message>
        <message>
            <source>TransmittingFirmwarePleaseWait</source>
            <translation>Přenos firmwaru. Čekejte ...</translation>
        </message>
        <message>
            <source>ErrorDuringFirmwareUpdatePleaseTryAgain</source>
            <translation>Chyba při aktualizaci firmwaru.
Zkuste to znovu.</translation>
        </message>
        <message>
            <source>FirmwareSuccessfulTransmittedPleaseWaitForRestart</source>
            <translation>Firmware byl úspěšně přenesen.
Nevypínejte QJ-5.
Počkejte na restart.</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessful</source>
            <translation>Aktualizace firmwaru úspěšná.</translation>
        </message>
        <message>
            <source>ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice</source>
            <translation>Chyba při aktualizaci. Zkuste to znovu.
Zařízení Bluetooth neodpovídá.</translation>
        </message>
    </context>
    <context>
        <name>TestMenu</name>
        <message>
            <source>PreviousPage</source>
            <translation>Předchozí stránka</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Hlavní menu</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Další stránka</translation>
        </message>
    </context>
    <context>
        <name>TestMenuAudioLoopback</name>
        <message>
            <source>Back</source>
            <translation>Zpět</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Vyhovuje</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Nevyhovuje</translation>
        </message>
    </context>
    <context>
        <name>TestMenuFlashUpdate</name>
        <message>
            <source>Back</source>
            <translation>Zpět</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Vyhovuje</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Nevyhovuje</translation>
        </message>
    </context>
    <context>
        <name>TestmenuAudio</name>
        <message>
            <source>Back</source>
            <translation>Zpět</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Vyhovuje</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Nevyhovuje</translation>
        </message>
    </context>
    <context>
        <name>TestmenuBattery</name>
        <message>
            <source>Back</source>
            <translation>Zpět</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Vyhovuje</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Nevyhovuje</translation>
        </message>
    </context>
    <context>
        <name>TestmenuDisplay</name>
        <message>
            <source>Back</source>
            <translation>Zpět</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Vyhovuje</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Nevyhovuje</translation>
        </message>
    </context>
    <context>
        <name>TestmenuGps</name>
        <message>
            <source>Back</source>
            <translation>Zpět</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Vyhovuje</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Nevyhovuje</translation>
        </message>
    </context>
    <context>
        <name>TestmenuInitBluetooth</name>
        <message>
            <source>Back</source>
            <translation>Zpět</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Vyhovuje</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Nevyhovuje</translation>
        </message>
    </context>
    <context>
        <name>TestmenuKeyboard</name>
        <message>
            <source>Back</source>
            <translation>Zpět</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Vyhovuje</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Nevyhovuje</translation>
        </message>
    </context>
    <context>
        <name>TestmenuLed</name>
        <message>
            <source>Back</source>
            <translation>Zpět</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Vyhovuje</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Nevyhovuje</translation>
        </message>
    </context>
    <context>
        <name>TestmenuRemoteCtrl</name>
        <message>
            <source>Back</source>
            <translation>Zpět</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSdcard</name>
        <message>
            <source>Back</source>
            <translation>Zpět</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Vyhovuje</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Nevyhovuje</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSelftest</name>
        <message>
            <source>Back</source>
            <translation>Zpět</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Vyhovuje</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Nevyhovuje</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSensordetection</name>
        <message>
            <source>Back</source>
            <translation>Zpět</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Vyhovuje</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Nevyhovuje</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUartUsbSwitch</name>
        <message>
            <source>Back</source>
            <translation>Zpět</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Vyhovuje</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Nevyhovuje</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUsb</name>
        <message>
            <source>Back</source>
            <translation>Zpět</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Vyhovuje</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Nevyhovuje</translation>
        </message>
    </context>
    <context>
        <name>MeasManagementEdit</name>
        <message>
            <source>ChangeName</source>
            <translation>Změnit název</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Potvrdit</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Zrušit</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Smazat</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Histogram</translation>
        </message>
        <message>
            <source>Levelmeasurement</source>
            <translation>Měření hladiny</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Trasování</translation>
        </message>
        <message>
            <source>H2-Measurement</source>
            <translation>Měření H2</translation>
        </message>
        <message>
            <source>Longtermmeasurement</source>
            <translation>Dlouhodobé měření</translation>
        </message>
    </context>
    <context>
        <name>AudioWorker</name>
        <message>
            <source>StoringTheSoundPleaseWait</source>
            <translation>Ukládá se zvuk.
Čekejte prosím ...</translation>
        </message>
    </context>
</TS>
