<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg_BG">
    <context>
        <name>GpsMonitor</name>
        <message>
            <source>GpsInformation</source>
            <translation>GPS информация</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Час</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Дата</translation>
        </message>
        <message>
            <source>Latitude</source>
            <translation>Ширина</translation>
        </message>
        <message>
            <source>Longitude</source>
            <translation>Дължина</translation>
        </message>
        <message>
            <source>Quality</source>
            <translation>Качество</translation>
        </message>
        <message>
            <source>DistanceMeasurement</source>
            <translation>Измерване на разстояние</translation>
        </message>
        <message>
            <source>ReferencePosition</source>
            <translation>Референтна позиция</translation>
        </message>
        <message>
            <source>CurrentPosition</source>
            <translation>Текуща позиция</translation>
        </message>
        <message>
            <source>Distance</source>
            <translation>Разстояние</translation>
        </message>
        <message>
            <source>SatelliteInformation</source>
            <translation>Информация за сателитите</translation>
        </message>
        <message>
            <source>Satellites</source>
            <translation>Сателити</translation>
        </message>
        <message>
            <source>Direction</source>
            <translation>Посока</translation>
        </message>
        <message>
            <source>Height</source>
            <translation>Височина</translation>
        </message>
        <message>
            <source>Groundspeed</source>
            <translation>Скорост</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Главно меню</translation>
        </message>
        <message>
            <source>SatelliteInfo</source>
            <translation>Информация за сателитите</translation>
        </message>
        <message>
            <source>SwitchGpsFormat</source>
            <translation>Смяна на формата на координатите</translation>
        </message>
        <message>
            <source>DisplayNmeaData</source>
            <translation>Показване на NMEA данни</translation>
        </message>
        <message>
            <source>DisplayGpsPosition</source>
            <translation>Показване на GPS позиция</translation>
        </message>
        <message>
            <source>SetReferencePosition</source>
            <translation>Задаване на референтна позиция</translation>
        </message>
        <message>
            <source>StartMonitoring</source>
            <translation>Старт на наблюдението</translation>
        </message>
        <message>
            <source>StopMonitoring</source>
            <translation>Стоп на наблюдението и сверяване на часовника</translation>
        </message>
        <message>
            <source>DeleteData</source>
            <translation>Изтриване на данните</translation>
        </message>
    </context>
    <context>
        <name>H2Sensor</name>
        <message>
            <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
            <translation>За това измерване
свържете сензор H2.</translation>
        </message>
        <message>
            <source>SetReferenceLevel</source>
            <translation>Задаване на референтно ниво</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Обхват</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Сила на звука в слушалките</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Запазване</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Главно меню</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
    </context>
    <context>
        <name>LanguageSelect</name>
        <message>
            <source>German</source>
            <translation>Немски</translation>
        </message>
        <message>
            <source>French</source>
            <translation>Френски</translation>
        </message>
        <message>
            <source>Italian</source>
            <translation>Италиански</translation>
        </message>
        <message>
            <source>Spanish</source>
            <translation>Испански</translation>
        </message>
        <message>
            <source>Chinese</source>
            <translation>Китайски</translation>
        </message>
        <message>
            <source>Czech</source>
            <translation>Чешки</translation>
        </message>
        <message>
            <source>Hungarian</source>
            <translation>Унгарски</translation>
        </message>
        <message>
            <source>Russian</source>
            <translation>Руски</translation>
        </message>
        <message>
            <source>Slovenian</source>
            <translation>Словенски</translation>
        </message>
        <message>
            <source>Japanese</source>
            <translation>Японски</translation>
        </message>
        <message>
            <source>Polish</source>
            <translation>Полски</translation>
        </message>
        <message>
            <source>Portuguese</source>
            <translation>Португалски</translation>
        </message>
        <message>
            <source>Romanian</source>
            <translation>Румънски</translation>
        </message>
        <message>
            <source>Slovakian</source>
            <translation>Словашки</translation>
        </message>
        <message>
            <source>Swedish</source>
            <translation>Шведски</translation>
        </message>
        <message>
            <source>Suomi</source>
            <translation>Фински</translation>
        </message>
        <message>
            <source>Danish</source>
            <translation>Датски</translation>
        </message>
        <message>
            <source>Norwegian</source>
            <translation>Норвежки</translation>
        </message>
        <message>
            <source>Bulgarian</source>
            <translation>Български</translation>
        </message>
        <message>
            <source>Croatian</source>
            <translation>Хърватски</translation>
        </message>
        <message>
            <source>Korean</source>
            <translation>Корейски</translation>
        </message>
        <message>
            <source>Serbian</source>
            <translation>Сръбски</translation>
        </message>
        <message>
            <source>Turkish</source>
            <translation>Турски</translation>
        </message>
        <message>
            <source>English</source>
            <translation>Английски</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Предишна страница</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Следваща страница</translation>
        </message>
    </context>
    <context>
        <name>Levelmeasurement</name>
        <message>
            <source>AdjustFilter</source>
            <translation>Настройка на филтъра</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Запазване</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Сила на звука в слушалките</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Усилване на микрофона</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Главно меню</translation>
        </message>
        <message>
            <source>PlayRecordedSound</source>
            <translation>Възпроизвеждане на записа</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation>Стоп</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>HeadphoneGain</source>
            <translation>Усилване на слушалките</translation>
        </message>
        <message>
            <source>StoredWithoutSound</source>
            <translation>Запазено без звук.</translation>
        </message>
    </context>
    <context>
        <name>Longtermmeasurement</name>
        <message>
            <source>Store</source>
            <translation>Запазване</translation>
        </message>
        <message>
            <source>AnalysisTime</source>
            <translation>Време за анализ</translation>
        </message>
        <message>
            <source>Autoscale</source>
            <translation>Автомащаб</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation>Допълнителни настройки</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Главно меню</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Усилване на микрофона</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Сила на звука в слушалките</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Настройка на филтъра</translation>
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
            <translation>Хистограма</translation>
        </message>
        <message>
            <source>H2Sensor</source>
            <translation>Сензор H2</translation>
        </message>
        <message>
            <source>Level</source>
            <translation>Ниво</translation>
        </message>
        <message>
            <source>Management</source>
            <translation>Управление</translation>
        </message>
        <message>
            <source>Longterm</source>
            <translation>Дълготрайно</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Трасиране</translation>
        </message>
    </context>
    <context>
        <name>Management</name>
        <message>
            <source>Measurements</source>
            <translation>Измервания</translation>
        </message>
        <message>
            <source>QJ-5</source>
            <translation>QJ-5</translation>
        </message>
        <message>
            <source>Update</source>
            <translation>Обновяване</translation>
        </message>
        <message>
            <source>GPS</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Настройки</translation>
        </message>
    </context>
    <context>
        <name>MeasManagement</name>
        <message>
            <source>Mainmenu</source>
            <translation>Главно меню</translation>
        </message>
        <message>
            <source>EditMeasurement</source>
            <translation>Редактиране на измерване</translation>
        </message>
        <message>
            <source>FilterMeasurements</source>
            <translation>Филтриране на измервания</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Предишна страница</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Следваща страница</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Грешка</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeRenamed</source>
            <translation>Измерването не може да се преименува.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeDeleted</source>
            <translation>Измерването не може да се изтрие.</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Внимание</translation>
        </message>
        <message>
            <source>MeasurementDeletedFilesRemain</source>
            <translation>Измерването е премахнато от списъка.
Някои от файловете му ще бъдат изтрити при запазване на следващото измерване.</translation>
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
            <translation>Главно меню</translation>
        </message>
        <message>
            <source>Autoscale</source>
            <translation>Автомащаб</translation>
        </message>
        <message>
            <source>DeleteLastLevel</source>
            <translation>Изтриване на последното ниво</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation>Допълнителни настройки</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Запазване</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Настройка на филтъра</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Усилване на микрофона</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Сила на звука в слушалките</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>PlayAudioData</source>
            <translation>Възпроизвеждане на звука</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation>Стоп</translation>
        </message>
        <message>
            <source>PlayNextPosition</source>
            <translation>Следваща точка</translation>
        </message>
        <message>
            <source>LOG</source>
            <translation>LOG</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Внимание</translation>
        </message>
        <message numerus="yes">
            <source>StoredWithoutTheSoundOfPoint</source>
            <translation>
                <numerusform>Запазено без звука
на точка %1.</numerusform>
                <numerusform>Запазено без звука
на точки %1.</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>Pipelocating</name>
        <message>
            <source>Mainmenu</source>
            <translation>Главно меню</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Настройка на филтъра</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Усилване на микрофона</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Сила на звука в слушалките</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Запазване</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
    </context>
    <context>
        <name>PressureSensor</name>
        <message>
            <source>Mainmenu</source>
            <translation>Главно меню</translation>
        </message>
        <message>
            <source>SetReferenceLevel</source>
            <translation>Задаване на референтно ниво</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Обхват</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Сила на звука в слушалките</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Запазване</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>%1 bar</source>
            <translation>%1 bar</translation>
        </message>
        <message>
            <source>MAX = %1 bar</source>
            <translation>МАКС = %1 bar</translation>
        </message>
        <message>
            <source>MIN = %1 bar</source>
            <translation>МИН = %1 bar</translation>
        </message>
        <message>
            <source>AVG = %1 bar</source>
            <translation>СР = %1 bar</translation>
        </message>
        <message>
            <source>DEV = %1 bar</source>
            <translation>σ = %1 bar</translation>
        </message>
        <message>
            <source>ACT = %1 bar</source>
            <translation>ТЕК = %1 bar</translation>
        </message>
    </context>
    <context>
        <name>Systemsettings</name>
        <message>
            <source>Berlin</source>
            <translation>Берлин</translation>
        </message>
        <message>
            <source>Screenshot</source>
            <translation>Снимка на екрана</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Хистограма</translation>
        </message>
        <message>
            <source>LevelMeasurement</source>
            <translation>Измерване на ниво</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation>Дълготрайно измерване</translation>
        </message>
        <message>
            <source>H2-Sensor</source>
            <translation>Сензор H2</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Трасиране</translation>
        </message>
        <message>
            <source>never</source>
            <translation>никога</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Предишна страница</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Главно меню</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Следваща страница</translation>
        </message>
        <message>
            <source>ModeMuteButton</source>
            <translation>Заглушаване</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation>Защита на слуха</translation>
        </message>
        <message>
            <source>Customize</source>
            <translation>Персонализиране</translation>
        </message>
        <message>
            <source>differentValues</source>
            <translation>различни стойности</translation>
        </message>
        <message>
            <source>PairedHeadphone</source>
            <translation>Сдвоени слушалки</translation>
        </message>
        <message>
            <source>PairedMicrophone</source>
            <translation>Сдвоен микрофон</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>Яркост</translation>
        </message>
        <message>
            <source>PowerSaving</source>
            <translation>Енергоспестяване</translation>
        </message>
        <message>
            <source>FavouriteButton</source>
            <translation>Бутон за любима функция</translation>
        </message>
        <message>
            <source>Systeminformation</source>
            <translation>Системна информация</translation>
        </message>
        <message>
            <source>ResetToDeliverystate</source>
            <translation>Нулиране</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Език</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Час</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Дата</translation>
        </message>
        <message>
            <source>Timezone</source>
            <translation>Часова зона</translation>
        </message>
        <message>
            <source>DaylightSavingTime</source>
            <translation>Лятно/зимно време</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>Превключвател</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation>Бутон</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Вкл.</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Изкл.</translation>
        </message>
        <message>
            <source>low</source>
            <translation>ниска</translation>
        </message>
        <message>
            <source>medium</source>
            <translation>средна</translation>
        </message>
        <message>
            <source>high</source>
            <translation>висока</translation>
        </message>
        <message>
            <source>Summertime</source>
            <translation>Лятно време</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation>Зимно време</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Грешка</translation>
        </message>
        <message>
            <source>SettingCouldNotBeStored</source>
            <translation>Настройката не може да се запази.</translation>
        </message>
    </context>
    <context>
        <name>MessageDialog</name>
        <message>
            <source>Yes</source>
            <translation>Да</translation>
        </message>
        <message>
            <source>No</source>
            <translation>Не</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Отказ</translation>
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
            <translation>Конфигурация на микрофона</translation>
        </message>
        <message>
            <source>SensorType</source>
            <translation>Тип сензор</translation>
        </message>
        <message>
            <source>Gain</source>
            <translation>Усилване</translation>
        </message>
        <message>
            <source>BatteryState</source>
            <translation>Батерия</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation>Фърмуер</translation>
        </message>
        <message>
            <source>HardwareVersion</source>
            <translation>Хардуерна версия</translation>
        </message>
        <message>
            <source>ButtonMode</source>
            <translation>Заглушаване</translation>
        </message>
        <message>
            <source>BluetoothName</source>
            <translation>Bluetooth име</translation>
        </message>
        <message>
            <source>BluetoothId</source>
            <translation>Bluetooth ID</translation>
        </message>
        <message>
            <source>Reload</source>
            <translation>Прочети отново</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Главно меню</translation>
        </message>
        <message>
            <source>noSensor</source>
            <translation>няма сензор</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>неизвестно</translation>
        </message>
    </context>
    <context>
        <name>Statusbardata</name>
        <message>
            <source>Warning</source>
            <translation>Внимание</translation>
        </message>
        <message>
            <source>TheBatteryIsVeryLowPleaseRecharge</source>
            <translation>Батерията е почти изтощена. Заредете я.</translation>
        </message>
        <message>
            <source>TheSensorCouldNotBeDetected</source>
            <translation>Сензорът не е открит.</translation>
        </message>
        <message>
            <source>BatteryVoltageOfQJ5ToLow</source>
            <translation>Батерията на QJ-5 е почти изтощена.
Заредете я.</translation>
        </message>
        <message>
            <source>ProblemWithSensorTypeDetection</source>
            <translation>Типът сензор не може да се определи.
Закрепете сензора или почистете контактите.</translation>
        </message>
    </context>
    <context>
        <name>BluetoothPairing</name>
        <message>
            <source>SearchBluetoothDevices</source>
            <translation>Търсене на Bluetooth устройства</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Отказ</translation>
        </message>
        <message>
            <source>FoundBluetoothDevices</source>
            <translation>Намерени Bluetooth устройства</translation>
        </message>
        <message>
            <source>EnablePairingModeAndPressSearchButton</source>
            <translation>Включете режим на сдвояване
и докоснете бутона „Търсене“.</translation>
        </message>
        <message>
            <source>Searching</source>
            <translation>Търсене</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>неизвестно</translation>
        </message>
        <message>
            <source>SelectDeviceForPairing</source>
            <translation>Изберете устройство за сдвояване.</translation>
        </message>
        <message>
            <source>NoDevicesFoundTryAgain</source>
            <translation>Няма намерени устройства.</translation>
        </message>
        <message>
            <source>PairingDevice</source>
            <translation>Сдвояване</translation>
        </message>
        <message>
            <source>PairingNotSuccessfulPleaseTryAgain</source>
            <translation>Неуспешно сдвояване. Опитайте отново.</translation>
        </message>
    </context>
    <context>
        <name>CustomizeDialogs</name>
        <message>
            <source>LevelMeasurement</source>
            <translation>Измерване на ниво</translation>
        </message>
        <message>
            <source>ShowPeakLevelBar</source>
            <translation>Показване на пиково ниво</translation>
        </message>
        <message>
            <source>UseFrequencyColorForLevelBar</source>
            <translation>Цвят по честота за нивото</translation>
        </message>
        <message>
            <source>ShowFrequencySpectrum</source>
            <translation>Показване на честотен спектър</translation>
        </message>
        <message>
            <source>ShowFrequencyValue</source>
            <translation>Показване на честотата</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Хистограма</translation>
        </message>
        <message>
            <source>ShowFilterParameter</source>
            <translation>Показване на филтъра</translation>
        </message>
        <message>
            <source>DynamicScaling</source>
            <translation>Динамично мащабиране</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation>Дълготрайно измерване</translation>
        </message>
        <message>
            <source>ShowGrid</source>
            <translation>Показване на мрежа</translation>
        </message>
        <message>
            <source>H2measurement</source>
            <translation>Измерване на H2</translation>
        </message>
        <message>
            <source>ShowHistogram</source>
            <translation>Показване на хистограма</translation>
        </message>
        <message>
            <source>ShowWorkingRange</source>
            <translation>Показване на работния обхват</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Трасиране</translation>
        </message>
        <message>
            <source>PowerOn</source>
            <translation>Действия при включване</translation>
        </message>
        <message>
            <source>StartWithFavourite</source>
            <translation>Старт с любимата функция</translation>
        </message>
        <message>
            <source>StartWithFilter</source>
            <translation>Старт с включени филтри</translation>
        </message>
        <message>
            <source>StartWithGps</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Предишна страница</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Приеми</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Отказ</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Следваща страница</translation>
        </message>
    </context>
    <context>
        <name>DateTimeAdjust</name>
        <message>
            <source>Day</source>
            <translation>Ден</translation>
        </message>
        <message>
            <source>Month</source>
            <translation>Месец</translation>
        </message>
        <message>
            <source>Year</source>
            <translation>Година</translation>
        </message>
        <message>
            <source>GPS</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>Manual</source>
            <translation>Ръчно</translation>
        </message>
        <message>
            <source>Hour</source>
            <translation>Час</translation>
        </message>
        <message>
            <source>Minute</source>
            <translation>Минута</translation>
        </message>
        <message>
            <source>Second</source>
            <translation>Сек.</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Приеми</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Отказ</translation>
        </message>
        <message>
            <source>InvalidDate</source>
            <translation>Невалидна дата</translation>
        </message>
        <message>
            <source>DateDoesNotExist</source>
            <translation>Тази дата не съществува. Коригирайте я.</translation>
        </message>
    </context>
    <context>
        <name>Displaysettings</name>
        <message>
            <source>Accept</source>
            <translation>Приеми</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Отказ</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>Яркост</translation>
        </message>
        <message>
            <source>high</source>
            <translation>висока</translation>
        </message>
        <message>
            <source>medium</source>
            <translation>средна</translation>
        </message>
        <message>
            <source>low</source>
            <translation>ниска</translation>
        </message>
    </context>
    <context>
        <name>HearingProtection</name>
        <message>
            <source>Accept</source>
            <translation>Приеми</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Отказ</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation>Защита на слуха</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Вкл.</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Изкл.</translation>
        </message>
        <message>
            <source>DefaultHeadphoneVolume</source>
            <translation>Сила на звука в слушалките</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation>Внимание! Риск от акустичен удар.</translation>
        </message>
        <message>
            <source>MaximumVolumeWillBeLimited</source>
            <translation>Макс. сила на звука ще се ограничи.</translation>
        </message>
    </context>
    <context>
        <name>PowerSaving</name>
        <message>
            <source>Accept</source>
            <translation>Приеми</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Отказ</translation>
        </message>
        <message>
            <source>BacklightOff</source>
            <translation>Подсветка изкл.</translation>
        </message>
        <message>
            <source>PowerOff</source>
            <translation>Изключване</translation>
        </message>
        <message>
            <source>never</source>
            <translation>никога</translation>
        </message>
    </context>
    <context>
        <name>ResetSettings</name>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Внимание</translation>
        </message>
        <message>
            <source>ResetToDeliveryState</source>
            <translation>Връщане към фабричните настройки.
Всички настройки (напр. език,
сдвоени Bluetooth устройства) ще бъдат нулирани.
Запазените измервания няма да се изтрият.</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>Нулиране</translation>
        </message>
        <message>
            <source>DoYouReallyWantToResetAllSettings</source>
            <translation>Наистина ли да се нулират всички настройки?</translation>
        </message>
    </context>
    <context>
        <name>SelectFavouriteButton</name>
        <message>
            <source>Accept</source>
            <translation>Приеми</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Отказ</translation>
        </message>
    </context>
    <context>
        <name>SelectSwitchmode</name>
        <message>
            <source>Accept</source>
            <translation>Приеми</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Отказ</translation>
        </message>
        <message>
            <source>ModeOfMutingButton</source>
            <translation>Режим на бутона за заглушаване</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>Превключвател</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation>Бутон</translation>
        </message>
    </context>
    <context>
        <name>SelectTimezone</name>
        <message>
            <source>DaylightSavingTime</source>
            <translation>Лятно/зимно време</translation>
        </message>
        <message>
            <source>Summertime</source>
            <translation>Лятно време</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation>Зимно време</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Приеми</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Отказ</translation>
        </message>
        <message>
            <source>MidwayIslands</source>
            <translation>Острови Мидуей</translation>
        </message>
        <message>
            <source>Hawaii</source>
            <translation>Хаваи</translation>
        </message>
        <message>
            <source>Alaska</source>
            <translation>Аляска</translation>
        </message>
        <message>
            <source>Pacific</source>
            <translation>Тихоокеанско</translation>
        </message>
        <message>
            <source>Arizona</source>
            <translation>Аризона</translation>
        </message>
        <message>
            <source>Chicago</source>
            <translation>Чикаго</translation>
        </message>
        <message>
            <source>NewYork</source>
            <translation>Ню Йорк</translation>
        </message>
        <message>
            <source>Manaus</source>
            <translation>Манаус</translation>
        </message>
        <message>
            <source>Newfoundland</source>
            <translation>Нюфаундленд</translation>
        </message>
        <message>
            <source>Greenland</source>
            <translation>Гренландия</translation>
        </message>
        <message>
            <source>MiddleAtlantic</source>
            <translation>Средноатлантическо</translation>
        </message>
        <message>
            <source>Azores</source>
            <translation>Азорски острови</translation>
        </message>
        <message>
            <source>London</source>
            <translation>Лондон</translation>
        </message>
        <message>
            <source>Berlin</source>
            <translation>Берлин</translation>
        </message>
        <message>
            <source>Cairo</source>
            <translation>Кайро</translation>
        </message>
        <message>
            <source>Moscow</source>
            <translation>Москва</translation>
        </message>
        <message>
            <source>Teheran</source>
            <translation>Техеран</translation>
        </message>
        <message>
            <source>AbuDhabi</source>
            <translation>Абу Даби</translation>
        </message>
        <message>
            <source>Kabul</source>
            <translation>Кабул</translation>
        </message>
        <message>
            <source>Islamabad</source>
            <translation>Исламабад</translation>
        </message>
        <message>
            <source>NewDelhi</source>
            <translation>Ню Делхи</translation>
        </message>
        <message>
            <source>Katmandu</source>
            <translation>Катманду</translation>
        </message>
        <message>
            <source>Nowosibirsk</source>
            <translation>Новосибирск</translation>
        </message>
        <message>
            <source>Yangon</source>
            <translation>Янгон</translation>
        </message>
        <message>
            <source>Bangkok</source>
            <translation>Банкок</translation>
        </message>
        <message>
            <source>HongKong</source>
            <translation>Хонконг</translation>
        </message>
        <message>
            <source>Tokio</source>
            <translation>Токио</translation>
        </message>
        <message>
            <source>Darwin</source>
            <translation>Дарвин</translation>
        </message>
        <message>
            <source>Sydney</source>
            <translation>Сидни</translation>
        </message>
        <message>
            <source>Magadan</source>
            <translation>Магадан</translation>
        </message>
        <message>
            <source>Fiji</source>
            <translation>Фиджи</translation>
        </message>
    </context>
    <context>
        <name>Systeminformation</name>
        <message>
            <source>Systeminformation</source>
            <translation>Системна информация</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation>Версия на фърмуера</translation>
        </message>
        <message>
            <source>Serialnumber</source>
            <translation>Сериен номер</translation>
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
            <translation>Хардуерна версия</translation>
        </message>
        <message>
            <source>OperatingSystem</source>
            <translation>Опер. система</translation>
        </message>
        <message>
            <source>Battery</source>
            <translation>Батерия</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>неизвестно</translation>
        </message>
    </context>
    <context>
        <name>BackupDialog</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation>Свържете TKR 9400 с компютър
и докоснете бутона „Свързване“.</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>Свързване</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Разкачване</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Отказ</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Внимание</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation>Паметта за данни не може да се монтира.
Рестартирайте уреда.</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Грешка</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation>Паметта за данни е заета.
Опитайте отново.</translation>
        </message>
    </context>
    <context>
        <name>Measurements</name>
        <message>
            <source>Error</source>
            <translation>Грешка</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Внимание</translation>
        </message>
        <message>
            <source>NoMoreMeasurementsCanBeStored</source>
            <translation>Достигнат е максималният брой измервания.
Измерването няма да бъде запазено.
Изтрийте стари измервания.</translation>
        </message>
        <message>
            <source>OnlyAfewMeasurementsCanBeStored</source>
            <translation>Броят измервания е близо до лимита.
Изтрийте стари измервания.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeStored</source>
            <translation>Измерването не може да се запази.</translation>
        </message>
    </context>
    <context>
        <name>MeasuringPage</name>
        <message>
            <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
            <translation>За това измерване
свържете акустичен сензор.</translation>
        </message>
        <message>
            <source>Note</source>
            <translation>Забележка</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Внимание</translation>
        </message>
        <message>
            <source>NoBluetoothConnectionPleaseCheckYourQJ5</source>
            <translation>Няма Bluetooth връзка.
Проверете QJ-5.</translation>
        </message>
    </context>
    <context>
        <name>Filtersettings</name>
        <message>
            <source>Accept</source>
            <translation>Приеми</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Усилване на микрофона</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Сила на звука в слушалките</translation>
        </message>
        <message>
            <source>AutomaticFilterSetting</source>
            <translation>Автоматична настройка на филтъра</translation>
        </message>
        <message>
            <source>NoFilter</source>
            <translation>Без филтър</translation>
        </message>
    </context>
    <context>
        <name>Headphonesettings</name>
        <message>
            <source>Accept</source>
            <translation>Приеми</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation>Внимание! Риск от акустичен удар.</translation>
        </message>
        <message>
            <source>WarningHighVolumesCanLeadToHearingDamage</source>
            <translation>Внимание!
Високата сила на звука може да увреди слуха.</translation>
        </message>
    </context>
    <context>
        <name>Micsettings</name>
        <message>
            <source>Accept</source>
            <translation>Приеми</translation>
        </message>
    </context>
    <context>
        <name>Firmwareupdate</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation>Свържете TKR 9400 с компютър
и докоснете бутона „Свързване“.</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>Свързване</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Разкачване</translation>
        </message>
        <message>
            <source>UpdateDevice</source>
            <translation>Обновяване на фърмуера</translation>
        </message>
        <message>
            <source>CurrentFirmware</source>
            <translation>Текущ фърмуер</translation>
        </message>
        <message>
            <source>NewFirmware</source>
            <translation>Нов фърмуер</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Приеми</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Отказ</translation>
        </message>
        <message>
            <source>TransmittingFirmware</source>
            <translation>Предаване на фърмуер</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>Състояние</translation>
        </message>
        <message>
            <source>UpdatingDevice</source>
            <translation>Обновяване на уреда</translation>
        </message>
        <message>
            <source>PleaseWaitForReboot</source>
            <translation>Изчакайте рестартирането.</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>ConnectTheTKR9400ToYourPCAndPressTheButtonConnect</source>
            <translation>Свържете TKR 9400 с компютър
и докоснете бутона „Свързване“.</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation>Паметта за данни е заета.
Опитайте отново.</translation>
        </message>
        <message>
            <source>PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied</source>
            <translation>Копирайте файловете на фърмуера.
Докоснете бутона „Разкачване“,
когато файловете са копирани.</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation>Паметта за данни не може да се монтира.
Рестартирайте уреда.</translation>
        </message>
        <message>
            <source>UpdateTKR9400</source>
            <translation>Обновяване на TKR 9400</translation>
        </message>
        <message>
            <source>UpdateQJ-5</source>
            <translation>Обновяване на QJ-5</translation>
        </message>
        <message>
            <source>CouldNotReadFirmwarefile</source>
            <translation>Файлът на фърмуера не може да се прочете.
Опитайте отново.</translation>
        </message>
        <message>
            <source>UpdatingTKR9400</source>
            <translation>Обновяване на TKR 9400</translation>
        </message>
        <message>
            <source>CopyingFilesPleaseWait</source>
            <translation>Копиране на файлове, изчакайте ...</translation>
        </message>
        <message>
            <source>CouldNotCopyFirmwarefile</source>
            <translation>Файлът на фърмуера не може да се копира.
Опитайте отново.</translation>
        </message>
        <message>
            <source>FirmwareupdateQJ-5</source>
            <translation>Обновяване на QJ-5</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessfullyFinished.</source>
            <translation>Обновяването на фърмуера завърши успешно.</translation>
        </message>
        <message>
            <source>FirmwareupdateTKR9400</source>
            <translation>Обновяване на TKR 9400</translation>
        </message>
        <message>
            <source>AllFilesCopiedPleaseWaitForReboot</source>
            <translation>Всички файлове са копирани.
Изчакайте рестартирането ...</translation>
        </message>
        <message>
            <source>FirmwareupdateCancelled</source>
            <translation>Обновяването на фърмуера е прекратено.</translation>
        </message>
        <message>
            <source>TransmittingFirmwarePleaseWait</source>
            <translation>Предаване на фърмуера. Изчакайте ...</translation>
        </message>
        <message>
            <source>ErrorDuringFirmwareUpdatePleaseTryAgain</source>
            <translation>Грешка при обновяване на фърмуера.
Опитайте отново.</translation>
        </message>
        <message>
            <source>FirmwareSuccessfulTransmittedPleaseWaitForRestart</source>
            <translation>Фърмуерът е предаден успешно.
Не изключвайте QJ-5.
Изчакайте рестартирането.</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessful</source>
            <translation>Фърмуерът е обновен успешно.</translation>
        </message>
        <message>
            <source>ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice</source>
            <translation>Грешка при обновяване. Опитайте пак.
Bluetooth устройството не отговаря.</translation>
        </message>
    </context>
    <context>
        <name>TestMenu</name>
        <message>
            <source>PreviousPage</source>
            <translation>Предишна страница</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Главно меню</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Следваща страница</translation>
        </message>
    </context>
    <context>
        <name>TestMenuAudioLoopback</name>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Годен</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Негоден</translation>
        </message>
    </context>
    <context>
        <name>TestMenuFlashUpdate</name>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Годен</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Негоден</translation>
        </message>
    </context>
    <context>
        <name>TestmenuAudio</name>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Годен</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Негоден</translation>
        </message>
    </context>
    <context>
        <name>TestmenuBattery</name>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Годен</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Негоден</translation>
        </message>
    </context>
    <context>
        <name>TestmenuDisplay</name>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Годен</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Негоден</translation>
        </message>
    </context>
    <context>
        <name>TestmenuGps</name>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Годен</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Негоден</translation>
        </message>
    </context>
    <context>
        <name>TestmenuInitBluetooth</name>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Годен</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Негоден</translation>
        </message>
    </context>
    <context>
        <name>TestmenuKeyboard</name>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Годен</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Негоден</translation>
        </message>
    </context>
    <context>
        <name>TestmenuLed</name>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Годен</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Негоден</translation>
        </message>
    </context>
    <context>
        <name>TestmenuRemoteCtrl</name>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSdcard</name>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Годен</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Негоден</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSelftest</name>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Годен</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Негоден</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSensordetection</name>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Годен</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Негоден</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUartUsbSwitch</name>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Годен</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Негоден</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUsb</name>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Годен</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Негоден</translation>
        </message>
    </context>
    <context>
        <name>MeasManagementEdit</name>
        <message>
            <source>ChangeName</source>
            <translation>Смяна на името</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Приеми</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Отказ</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Изтриване</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Хистограма</translation>
        </message>
        <message>
            <source>Levelmeasurement</source>
            <translation>Измерване на ниво</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Трасиране</translation>
        </message>
        <message>
            <source>H2-Measurement</source>
            <translation>Измерване на H2</translation>
        </message>
        <message>
            <source>Longtermmeasurement</source>
            <translation>Дълготрайно измерване</translation>
        </message>
    </context>
    <context>
        <name>AudioWorker</name>
        <message>
            <source>StoringTheSoundPleaseWait</source>
            <translation>Звукът се запазва.
Моля, изчакайте ...</translation>
        </message>
    </context>
</TS>
