<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
    <context>
        <name>GpsMonitor</name>
        <message>
            <source>GpsInformation</source>
            <translation>GPS 정보</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>시간</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>날짜</translation>
        </message>
        <message>
            <source>Latitude</source>
            <translation>위도</translation>
        </message>
        <message>
            <source>Longitude</source>
            <translation>경도</translation>
        </message>
        <message>
            <source>Quality</source>
            <translation>수신 품질</translation>
        </message>
        <message>
            <source>DistanceMeasurement</source>
            <translation>거리 측정</translation>
        </message>
        <message>
            <source>ReferencePosition</source>
            <translation>기준 위치</translation>
        </message>
        <message>
            <source>CurrentPosition</source>
            <translation>현재 위치</translation>
        </message>
        <message>
            <source>Distance</source>
            <translation>거리</translation>
        </message>
        <message>
            <source>SatelliteInformation</source>
            <translation>위성 정보</translation>
        </message>
        <message>
            <source>Satellites</source>
            <translation>위성 수</translation>
        </message>
        <message>
            <source>Direction</source>
            <translation>방향</translation>
        </message>
        <message>
            <source>Height</source>
            <translation>고도</translation>
        </message>
        <message>
            <source>Groundspeed</source>
            <translation>대지 속도</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>메인 메뉴</translation>
        </message>
        <message>
            <source>SatelliteInfo</source>
            <translation>위성 정보</translation>
        </message>
        <message>
            <source>SwitchGpsFormat</source>
            <translation>좌표 형식 전환</translation>
        </message>
        <message>
            <source>DisplayNmeaData</source>
            <translation>NMEA 데이터 표시</translation>
        </message>
        <message>
            <source>DisplayGpsPosition</source>
            <translation>GPS 위치 표시</translation>
        </message>
        <message>
            <source>SetReferencePosition</source>
            <translation>기준 위치 설정</translation>
        </message>
        <message>
            <source>StartMonitoring</source>
            <translation>모니터링 시작</translation>
        </message>
        <message>
            <source>StopMonitoring</source>
            <translation>모니터링 중지 및 시계 설정</translation>
        </message>
        <message>
            <source>DeleteData</source>
            <translation>데이터 삭제</translation>
        </message>
    </context>
    <context>
        <name>H2Sensor</name>
        <message>
            <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
            <translation>이 측정을 하려면
H2 센서를 연결하십시오.</translation>
        </message>
        <message>
            <source>SetReferenceLevel</source>
            <translation>기준 레벨 설정</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>범위</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>헤드폰 음량</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>저장</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>메인 메뉴</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>뒤로</translation>
        </message>
    </context>
    <context>
        <name>LanguageSelect</name>
        <message>
            <source>German</source>
            <translation>독일어</translation>
        </message>
        <message>
            <source>French</source>
            <translation>프랑스어</translation>
        </message>
        <message>
            <source>Italian</source>
            <translation>이탈리아어</translation>
        </message>
        <message>
            <source>Spanish</source>
            <translation>스페인어</translation>
        </message>
        <message>
            <source>Chinese</source>
            <translation>중국어</translation>
        </message>
        <message>
            <source>Czech</source>
            <translation>체코어</translation>
        </message>
        <message>
            <source>Hungarian</source>
            <translation>헝가리어</translation>
        </message>
        <message>
            <source>Russian</source>
            <translation>러시아어</translation>
        </message>
        <message>
            <source>Slovenian</source>
            <translation>슬로베니아어</translation>
        </message>
        <message>
            <source>Japanese</source>
            <translation>일본어</translation>
        </message>
        <message>
            <source>Polish</source>
            <translation>폴란드어</translation>
        </message>
        <message>
            <source>Portuguese</source>
            <translation>포르투갈어</translation>
        </message>
        <message>
            <source>Romanian</source>
            <translation>루마니아어</translation>
        </message>
        <message>
            <source>Slovakian</source>
            <translation>슬로바키아어</translation>
        </message>
        <message>
            <source>Swedish</source>
            <translation>스웨덴어</translation>
        </message>
        <message>
            <source>Suomi</source>
            <translation>핀란드어</translation>
        </message>
        <message>
            <source>Danish</source>
            <translation>덴마크어</translation>
        </message>
        <message>
            <source>Norwegian</source>
            <translation>노르웨이어</translation>
        </message>
        <message>
            <source>Bulgarian</source>
            <translation>불가리아어</translation>
        </message>
        <message>
            <source>Croatian</source>
            <translation>크로아티아어</translation>
        </message>
        <message>
            <source>Korean</source>
            <translation>한국어</translation>
        </message>
        <message>
            <source>Serbian</source>
            <translation>세르비아어</translation>
        </message>
        <message>
            <source>Turkish</source>
            <translation>터키어</translation>
        </message>
        <message>
            <source>English</source>
            <translation>영어</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>이전 페이지</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>뒤로</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>다음 페이지</translation>
        </message>
    </context>
    <context>
        <name>Levelmeasurement</name>
        <message>
            <source>AdjustFilter</source>
            <translation>필터 조정</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>저장</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>헤드폰 음량</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>마이크 게인</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>메인 메뉴</translation>
        </message>
        <message>
            <source>PlayRecordedSound</source>
            <translation>녹음 재생</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation>재생 중지</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>뒤로</translation>
        </message>
        <message>
            <source>HeadphoneGain</source>
            <translation>헤드폰 게인</translation>
        </message>
        <message>
            <source>StoredWithoutSound</source>
            <translation>저장되었지만 소리는 없습니다.</translation>
        </message>
    </context>
    <context>
        <name>Longtermmeasurement</name>
        <message>
            <source>Store</source>
            <translation>저장</translation>
        </message>
        <message>
            <source>AnalysisTime</source>
            <translation>분석 시간</translation>
        </message>
        <message>
            <source>Autoscale</source>
            <translation>자동 스케일</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation>추가 설정</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>메인 메뉴</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>뒤로</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>마이크 게인</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>헤드폰 음량</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>필터 조정</translation>
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
            <translation>히스토그램</translation>
        </message>
        <message>
            <source>H2Sensor</source>
            <translation>H2 센서</translation>
        </message>
        <message>
            <source>Level</source>
            <translation>레벨</translation>
        </message>
        <message>
            <source>Management</source>
            <translation>관리</translation>
        </message>
        <message>
            <source>Longterm</source>
            <translation>장기 측정</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>관로 탐지</translation>
        </message>
    </context>
    <context>
        <name>Management</name>
        <message>
            <source>Measurements</source>
            <translation>측정 목록</translation>
        </message>
        <message>
            <source>QJ-5</source>
            <translation>QJ-5</translation>
        </message>
        <message>
            <source>Update</source>
            <translation>업데이트</translation>
        </message>
        <message>
            <source>GPS</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>설정</translation>
        </message>
    </context>
    <context>
        <name>MeasManagement</name>
        <message>
            <source>Mainmenu</source>
            <translation>메인 메뉴</translation>
        </message>
        <message>
            <source>EditMeasurement</source>
            <translation>측정 편집</translation>
        </message>
        <message>
            <source>FilterMeasurements</source>
            <translation>측정 필터링</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>이전 페이지</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>다음 페이지</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>오류</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeRenamed</source>
            <translation>측정 이름을 변경할 수 없습니다.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeDeleted</source>
            <translation>측정을 삭제할 수 없습니다.</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>경고</translation>
        </message>
        <message>
            <source>MeasurementDeletedFilesRemain</source>
            <translation>측정이 목록에서 제거되었습니다.
일부 파일은 다음 측정을 저장할 때 삭제됩니다.</translation>
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
            <translation>메인 메뉴</translation>
        </message>
        <message>
            <source>Autoscale</source>
            <translation>자동 스케일</translation>
        </message>
        <message>
            <source>DeleteLastLevel</source>
            <translation>마지막 레벨 삭제</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation>추가 설정</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>저장</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>필터 조정</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>마이크 게인</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>헤드폰 음량</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>뒤로</translation>
        </message>
        <message>
            <source>PlayAudioData</source>
            <translation>오디오 재생</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation>재생 중지</translation>
        </message>
        <message>
            <source>PlayNextPosition</source>
            <translation>다음 지점 재생</translation>
        </message>
        <message>
            <source>LOG</source>
            <translation>LOG</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>경고</translation>
        </message>
        <message numerus="yes">
            <source>StoredWithoutTheSoundOfPoint</source>
            <translation>
                <numerusform>저장되었지만 다음 측정점의
소리는 없습니다: %1</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>Pipelocating</name>
        <message>
            <source>Mainmenu</source>
            <translation>메인 메뉴</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>필터 조정</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>마이크 게인</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>헤드폰 음량</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>저장</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>뒤로</translation>
        </message>
    </context>
    <context>
        <name>PressureSensor</name>
        <message>
            <source>Mainmenu</source>
            <translation>메인 메뉴</translation>
        </message>
        <message>
            <source>SetReferenceLevel</source>
            <translation>기준 레벨 설정</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>범위</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>헤드폰 음량</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>저장</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>뒤로</translation>
        </message>
        <message>
            <source>%1 bar</source>
            <translation>%1 bar</translation>
        </message>
        <message>
            <source>MAX = %1 bar</source>
            <translation>최대 = %1 bar</translation>
        </message>
        <message>
            <source>MIN = %1 bar</source>
            <translation>최소 = %1 bar</translation>
        </message>
        <message>
            <source>AVG = %1 bar</source>
            <translation>평균 = %1 bar</translation>
        </message>
        <message>
            <source>DEV = %1 bar</source>
            <translation>σ = %1 bar</translation>
        </message>
        <message>
            <source>ACT = %1 bar</source>
            <translation>현재 = %1 bar</translation>
        </message>
    </context>
    <context>
        <name>Systemsettings</name>
        <message>
            <source>Berlin</source>
            <translation>베를린</translation>
        </message>
        <message>
            <source>Screenshot</source>
            <translation>스크린샷</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>히스토그램</translation>
        </message>
        <message>
            <source>LevelMeasurement</source>
            <translation>레벨 측정</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation>장기 측정</translation>
        </message>
        <message>
            <source>H2-Sensor</source>
            <translation>H2 센서</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>관로 탐지</translation>
        </message>
        <message>
            <source>never</source>
            <translation>사용 안 함</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>이전 페이지</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>메인 메뉴</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>다음 페이지</translation>
        </message>
        <message>
            <source>ModeMuteButton</source>
            <translation>음소거</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation>청력 보호</translation>
        </message>
        <message>
            <source>Customize</source>
            <translation>사용자 설정</translation>
        </message>
        <message>
            <source>differentValues</source>
            <translation>개별 값</translation>
        </message>
        <message>
            <source>PairedHeadphone</source>
            <translation>페어링된 헤드폰</translation>
        </message>
        <message>
            <source>PairedMicrophone</source>
            <translation>페어링된 마이크</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>밝기</translation>
        </message>
        <message>
            <source>PowerSaving</source>
            <translation>절전</translation>
        </message>
        <message>
            <source>FavouriteButton</source>
            <translation>즐겨찾기 키</translation>
        </message>
        <message>
            <source>Systeminformation</source>
            <translation>시스템 정보</translation>
        </message>
        <message>
            <source>ResetToDeliverystate</source>
            <translation>초기화</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>언어</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>시간</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>날짜</translation>
        </message>
        <message>
            <source>Timezone</source>
            <translation>시간대</translation>
        </message>
        <message>
            <source>DaylightSavingTime</source>
            <translation>서머타임/표준시</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>토글</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation>누르는 동안</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>사용</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>사용 안 함</translation>
        </message>
        <message>
            <source>low</source>
            <translation>낮음</translation>
        </message>
        <message>
            <source>medium</source>
            <translation>중간</translation>
        </message>
        <message>
            <source>high</source>
            <translation>높음</translation>
        </message>
        <message>
            <source>Summertime</source>
            <translation>서머타임</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation>표준시</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>오류</translation>
        </message>
        <message>
            <source>SettingCouldNotBeStored</source>
            <translation>설정을 저장할 수 없습니다.</translation>
        </message>
    </context>
    <context>
        <name>MessageDialog</name>
        <message>
            <source>Yes</source>
            <translation>예</translation>
        </message>
        <message>
            <source>No</source>
            <translation>아니요</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>취소</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>확인</translation>
        </message>
    </context>
    <context>
        <name>Configuration</name>
        <message>
            <source>MicrophoneConfiguration</source>
            <translation>마이크 구성</translation>
        </message>
        <message>
            <source>SensorType</source>
            <translation>센서 유형</translation>
        </message>
        <message>
            <source>Gain</source>
            <translation>게인</translation>
        </message>
        <message>
            <source>BatteryState</source>
            <translation>배터리 상태</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation>펌웨어 버전</translation>
        </message>
        <message>
            <source>HardwareVersion</source>
            <translation>하드웨어 버전</translation>
        </message>
        <message>
            <source>ButtonMode</source>
            <translation>음소거</translation>
        </message>
        <message>
            <source>BluetoothName</source>
            <translation>Bluetooth 이름</translation>
        </message>
        <message>
            <source>BluetoothId</source>
            <translation>Bluetooth ID</translation>
        </message>
        <message>
            <source>Reload</source>
            <translation>다시 읽기</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>메인 메뉴</translation>
        </message>
        <message>
            <source>noSensor</source>
            <translation>센서 없음</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>알 수 없음</translation>
        </message>
    </context>
    <context>
        <name>Statusbardata</name>
        <message>
            <source>Warning</source>
            <translation>경고</translation>
        </message>
        <message>
            <source>TheBatteryIsVeryLowPleaseRecharge</source>
            <translation>배터리가 매우 부족합니다. 충전하십시오.</translation>
        </message>
        <message>
            <source>TheSensorCouldNotBeDetected</source>
            <translation>센서를 감지할 수 없습니다.</translation>
        </message>
        <message>
            <source>BatteryVoltageOfQJ5ToLow</source>
            <translation>QJ-5 배터리 전압이 매우 낮습니다.
충전하십시오.</translation>
        </message>
        <message>
            <source>ProblemWithSensorTypeDetection</source>
            <translation>센서 유형을 감지할 수 없습니다.
센서를 고정하거나 접점을 청소하십시오.</translation>
        </message>
    </context>
    <context>
        <name>BluetoothPairing</name>
        <message>
            <source>SearchBluetoothDevices</source>
            <translation>Bluetooth 장치 검색</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>취소</translation>
        </message>
        <message>
            <source>FoundBluetoothDevices</source>
            <translation>검색된 Bluetooth 장치</translation>
        </message>
        <message>
            <source>EnablePairingModeAndPressSearchButton</source>
            <translation>페어링 모드를 켜고
검색 버튼을 누르십시오.</translation>
        </message>
        <message>
            <source>Searching</source>
            <translation>검색 중</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>알 수 없음</translation>
        </message>
        <message>
            <source>SelectDeviceForPairing</source>
            <translation>페어링할 장치를 선택하십시오.</translation>
        </message>
        <message>
            <source>NoDevicesFoundTryAgain</source>
            <translation>장치를 찾을 수 없습니다.</translation>
        </message>
        <message>
            <source>PairingDevice</source>
            <translation>장치 페어링 중</translation>
        </message>
        <message>
            <source>PairingNotSuccessfulPleaseTryAgain</source>
            <translation>페어링에 실패했습니다. 다시 시도하십시오.</translation>
        </message>
    </context>
    <context>
        <name>CustomizeDialogs</name>
        <message>
            <source>LevelMeasurement</source>
            <translation>레벨 측정</translation>
        </message>
        <message>
            <source>ShowPeakLevelBar</source>
            <translation>피크 레벨 표시</translation>
        </message>
        <message>
            <source>UseFrequencyColorForLevelBar</source>
            <translation>레벨 막대에 주파수 색상 사용</translation>
        </message>
        <message>
            <source>ShowFrequencySpectrum</source>
            <translation>주파수 스펙트럼 표시</translation>
        </message>
        <message>
            <source>ShowFrequencyValue</source>
            <translation>주파수 값 표시</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>히스토그램</translation>
        </message>
        <message>
            <source>ShowFilterParameter</source>
            <translation>필터 파라미터 표시</translation>
        </message>
        <message>
            <source>DynamicScaling</source>
            <translation>동적 스케일링</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation>장기 측정</translation>
        </message>
        <message>
            <source>ShowGrid</source>
            <translation>격자 표시</translation>
        </message>
        <message>
            <source>H2measurement</source>
            <translation>H2 측정</translation>
        </message>
        <message>
            <source>ShowHistogram</source>
            <translation>히스토그램 표시</translation>
        </message>
        <message>
            <source>ShowWorkingRange</source>
            <translation>작동 범위 표시</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>관로 탐지</translation>
        </message>
        <message>
            <source>PowerOn</source>
            <translation>전원 켤 때 동작</translation>
        </message>
        <message>
            <source>StartWithFavourite</source>
            <translation>즐겨찾기 화면으로 시작</translation>
        </message>
        <message>
            <source>StartWithFilter</source>
            <translation>필터 켠 상태로 시작</translation>
        </message>
        <message>
            <source>StartWithGps</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>이전 페이지</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>적용</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>취소</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>다음 페이지</translation>
        </message>
    </context>
    <context>
        <name>DateTimeAdjust</name>
        <message>
            <source>Day</source>
            <translation>일</translation>
        </message>
        <message>
            <source>Month</source>
            <translation>월</translation>
        </message>
        <message>
            <source>Year</source>
            <translation>년</translation>
        </message>
        <message>
            <source>GPS</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>Manual</source>
            <translation>수동</translation>
        </message>
        <message>
            <source>Hour</source>
            <translation>시</translation>
        </message>
        <message>
            <source>Minute</source>
            <translation>분</translation>
        </message>
        <message>
            <source>Second</source>
            <translation>초</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>적용</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>취소</translation>
        </message>
        <message>
            <source>InvalidDate</source>
            <translation>잘못된 날짜</translation>
        </message>
        <message>
            <source>DateDoesNotExist</source>
            <translation>존재하지 않는 날짜입니다. 수정하십시오.</translation>
        </message>
    </context>
    <context>
        <name>Displaysettings</name>
        <message>
            <source>Accept</source>
            <translation>적용</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>취소</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>밝기</translation>
        </message>
        <message>
            <source>high</source>
            <translation>높음</translation>
        </message>
        <message>
            <source>medium</source>
            <translation>중간</translation>
        </message>
        <message>
            <source>low</source>
            <translation>낮음</translation>
        </message>
    </context>
    <context>
        <name>HearingProtection</name>
        <message>
            <source>Accept</source>
            <translation>적용</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>취소</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation>청력 보호</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>사용</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>사용 안 함</translation>
        </message>
        <message>
            <source>DefaultHeadphoneVolume</source>
            <translation>헤드폰 음량 조정</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation>경고! 음향 충격 위험이 있습니다.</translation>
        </message>
        <message>
            <source>MaximumVolumeWillBeLimited</source>
            <translation>최대 음량이 제한됩니다.</translation>
        </message>
    </context>
    <context>
        <name>PowerSaving</name>
        <message>
            <source>Accept</source>
            <translation>적용</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>취소</translation>
        </message>
        <message>
            <source>BacklightOff</source>
            <translation>백라이트 끄기</translation>
        </message>
        <message>
            <source>PowerOff</source>
            <translation>전원 끄기</translation>
        </message>
        <message>
            <source>never</source>
            <translation>사용 안 함</translation>
        </message>
    </context>
    <context>
        <name>ResetSettings</name>
        <message>
            <source>Back</source>
            <translation>뒤로</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>경고</translation>
        </message>
        <message>
            <source>ResetToDeliveryState</source>
            <translation>공장 출하 상태로 초기화합니다.
모든 설정(예: 언어,
페어링된 Bluetooth 장치)이 초기화됩니다.
저장된 측정은 삭제되지 않습니다.</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>초기화</translation>
        </message>
        <message>
            <source>DoYouReallyWantToResetAllSettings</source>
            <translation>모든 설정을 초기화하시겠습니까?</translation>
        </message>
    </context>
    <context>
        <name>SelectFavouriteButton</name>
        <message>
            <source>Accept</source>
            <translation>적용</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>취소</translation>
        </message>
    </context>
    <context>
        <name>SelectSwitchmode</name>
        <message>
            <source>Accept</source>
            <translation>적용</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>취소</translation>
        </message>
        <message>
            <source>ModeOfMutingButton</source>
            <translation>음소거 키 모드</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>토글</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation>누르는 동안</translation>
        </message>
    </context>
    <context>
        <name>SelectTimezone</name>
        <message>
            <source>DaylightSavingTime</source>
            <translation>서머타임/표준시</translation>
        </message>
        <message>
            <source>Summertime</source>
            <translation>서머타임</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation>표준시</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>적용</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>취소</translation>
        </message>
        <message>
            <source>MidwayIslands</source>
            <translation>미드웨이 제도</translation>
        </message>
        <message>
            <source>Hawaii</source>
            <translation>하와이</translation>
        </message>
        <message>
            <source>Alaska</source>
            <translation>알래스카</translation>
        </message>
        <message>
            <source>Pacific</source>
            <translation>태평양</translation>
        </message>
        <message>
            <source>Arizona</source>
            <translation>애리조나</translation>
        </message>
        <message>
            <source>Chicago</source>
            <translation>시카고</translation>
        </message>
        <message>
            <source>NewYork</source>
            <translation>뉴욕</translation>
        </message>
        <message>
            <source>Manaus</source>
            <translation>마나우스</translation>
        </message>
        <message>
            <source>Newfoundland</source>
            <translation>뉴펀들랜드</translation>
        </message>
        <message>
            <source>Greenland</source>
            <translation>그린란드</translation>
        </message>
        <message>
            <source>MiddleAtlantic</source>
            <translation>중부 대서양</translation>
        </message>
        <message>
            <source>Azores</source>
            <translation>아조레스</translation>
        </message>
        <message>
            <source>London</source>
            <translation>런던</translation>
        </message>
        <message>
            <source>Berlin</source>
            <translation>베를린</translation>
        </message>
        <message>
            <source>Cairo</source>
            <translation>카이로</translation>
        </message>
        <message>
            <source>Moscow</source>
            <translation>모스크바</translation>
        </message>
        <message>
            <source>Teheran</source>
            <translation>테헤란</translation>
        </message>
        <message>
            <source>AbuDhabi</source>
            <translation>아부다비</translation>
        </message>
        <message>
            <source>Kabul</source>
            <translation>카불</translation>
        </message>
        <message>
            <source>Islamabad</source>
            <translation>이슬라마바드</translation>
        </message>
        <message>
            <source>NewDelhi</source>
            <translation>뉴델리</translation>
        </message>
        <message>
            <source>Katmandu</source>
            <translation>카트만두</translation>
        </message>
        <message>
            <source>Nowosibirsk</source>
            <translation>노보시비르스크</translation>
        </message>
        <message>
            <source>Yangon</source>
            <translation>양곤</translation>
        </message>
        <message>
            <source>Bangkok</source>
            <translation>방콕</translation>
        </message>
        <message>
            <source>HongKong</source>
            <translation>홍콩</translation>
        </message>
        <message>
            <source>Tokio</source>
            <translation>도쿄</translation>
        </message>
        <message>
            <source>Darwin</source>
            <translation>다윈</translation>
        </message>
        <message>
            <source>Sydney</source>
            <translation>시드니</translation>
        </message>
        <message>
            <source>Magadan</source>
            <translation>마가단</translation>
        </message>
        <message>
            <source>Fiji</source>
            <translation>피지</translation>
        </message>
    </context>
    <context>
        <name>Systeminformation</name>
        <message>
            <source>Systeminformation</source>
            <translation>시스템 정보</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation>펌웨어 버전</translation>
        </message>
        <message>
            <source>Serialnumber</source>
            <translation>일련번호</translation>
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
            <translation>하드웨어 버전</translation>
        </message>
        <message>
            <source>OperatingSystem</source>
            <translation>운영 체제</translation>
        </message>
        <message>
            <source>Battery</source>
            <translation>배터리</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>뒤로</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>알 수 없음</translation>
        </message>
    </context>
    <context>
        <name>BackupDialog</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation>TKR 9400을 PC에 연결한 후
[연결] 버튼을 누르십시오.</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>연결</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>연결 해제</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>취소</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>경고</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation>데이터 메모리를 마운트할 수 없습니다.
장치를 다시 시작하십시오.</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>오류</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation>데이터 메모리가 사용 중입니다.
다시 시도하십시오.</translation>
        </message>
    </context>
    <context>
        <name>Measurements</name>
        <message>
            <source>Error</source>
            <translation>오류</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>경고</translation>
        </message>
        <message>
            <source>NoMoreMeasurementsCanBeStored</source>
            <translation>측정 개수가 최대에 도달했습니다.
측정이 저장되지 않습니다.
이전 측정을 삭제하십시오.</translation>
        </message>
        <message>
            <source>OnlyAfewMeasurementsCanBeStored</source>
            <translation>측정 개수가 한도에 가깝습니다.
이전 측정을 삭제하십시오.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeStored</source>
            <translation>측정을 저장할 수 없습니다.</translation>
        </message>
    </context>
    <context>
        <name>MeasuringPage</name>
        <message>
            <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
            <translation>이 측정을 하려면
음향 센서를 연결하십시오.</translation>
        </message>
        <message>
            <source>Note</source>
            <translation>알림</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>경고</translation>
        </message>
        <message>
            <source>NoBluetoothConnectionPleaseCheckYourQJ5</source>
            <translation>Bluetooth 연결이 없습니다.
QJ-5를 확인하십시오.</translation>
        </message>
    </context>
    <context>
        <name>Filtersettings</name>
        <message>
            <source>Accept</source>
            <translation>적용</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>마이크 게인</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>헤드폰 음량</translation>
        </message>
        <message>
            <source>AutomaticFilterSetting</source>
            <translation>자동 필터 설정</translation>
        </message>
        <message>
            <source>NoFilter</source>
            <translation>필터 없음</translation>
        </message>
    </context>
    <context>
        <name>Headphonesettings</name>
        <message>
            <source>Accept</source>
            <translation>적용</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation>경고! 음향 충격 위험이 있습니다.</translation>
        </message>
        <message>
            <source>WarningHighVolumesCanLeadToHearingDamage</source>
            <translation>경고!
큰 음량은 청력 손상을 일으킬 수 있습니다.</translation>
        </message>
    </context>
    <context>
        <name>Micsettings</name>
        <message>
            <source>Accept</source>
            <translation>적용</translation>
        </message>
    </context>
    <context>
        <name>Firmwareupdate</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation>TKR 9400을 PC에 연결한 후
[연결] 버튼을 누르십시오.</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>연결</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>연결 해제</translation>
        </message>
        <message>
            <source>UpdateDevice</source>
            <translation>펌웨어 업데이트</translation>
        </message>
        <message>
            <source>CurrentFirmware</source>
            <translation>현재 펌웨어</translation>
        </message>
        <message>
            <source>NewFirmware</source>
            <translation>새 펌웨어</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>적용</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>취소</translation>
        </message>
        <message>
            <source>TransmittingFirmware</source>
            <translation>펌웨어 전송 중</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>상태</translation>
        </message>
        <message>
            <source>UpdatingDevice</source>
            <translation>장치 업데이트 중</translation>
        </message>
        <message>
            <source>PleaseWaitForReboot</source>
            <translation>재시작될 때까지 기다리십시오.</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>확인</translation>
        </message>
        <message>
            <source>ConnectTheTKR9400ToYourPCAndPressTheButtonConnect</source>
            <translation>TKR 9400을 PC에 연결한 후
[연결] 버튼을 누르십시오.</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation>데이터 메모리가 사용 중입니다.
다시 시도하십시오.</translation>
        </message>
        <message>
            <source>PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied</source>
            <translation>펌웨어 파일을 복사하십시오.
모든 파일을 복사한 후
[연결 해제] 버튼을 누르십시오.</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation>데이터 메모리를 마운트할 수 없습니다.
장치를 다시 시작하십시오.</translation>
        </message>
        <message>
            <source>UpdateTKR9400</source>
            <translation>TKR 9400 업데이트</translation>
        </message>
        <message>
            <source>UpdateQJ-5</source>
            <translation>QJ-5 업데이트</translation>
        </message>
        <message>
            <source>CouldNotReadFirmwarefile</source>
            <translation>펌웨어 파일을 읽을 수 없습니다.
다시 시도하십시오.</translation>
        </message>
        <message>
            <source>UpdatingTKR9400</source>
            <translation>TKR 9400 업데이트 중</translation>
        </message>
        <message>
            <source>CopyingFilesPleaseWait</source>
            <translation>파일 복사 중입니다. 기다리십시오...</translation>
        </message>
        <message>
            <source>CouldNotCopyFirmwarefile</source>
            <translation>펌웨어 파일을 복사할 수 없습니다.
다시 시도하십시오.</translation>
        </message>
        <message>
            <source>FirmwareupdateQJ-5</source>
            <translation>QJ-5 펌웨어 업데이트</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessfullyFinished.</source>
            <translation>펌웨어 업데이트가 완료되었습니다.</translation>
        </message>
        <message>
            <source>FirmwareupdateTKR9400</source>
            <translation>TKR 9400 펌웨어 업데이트</translation>
        </message>
        <message>
            <source>AllFilesCopiedPleaseWaitForReboot</source>
            <translation>모든 파일을 복사했습니다.
재시작될 때까지 기다리십시오...</translation>
        </message>
        <message>
            <source>FirmwareupdateCancelled</source>
            <translation>펌웨어 업데이트가 취소되었습니다.</translation>
        </message>
        <message>
            <source>TransmittingFirmwarePleaseWait</source>
            <translation>펌웨어 전송 중입니다. 기다리십시오...</translation>
        </message>
        <message>
            <source>ErrorDuringFirmwareUpdatePleaseTryAgain</source>
            <translation>펌웨어 업데이트 중 오류가 발생했습니다.
다시 시도하십시오.</translation>
        </message>
        <message>
            <source>FirmwareSuccessfulTransmittedPleaseWaitForRestart</source>
            <translation>펌웨어가 전송되었습니다.
QJ-5를 끄지 마십시오.
재시작될 때까지 기다리십시오.</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessful</source>
            <translation>펌웨어 업데이트에 성공했습니다.</translation>
        </message>
        <message>
            <source>ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice</source>
            <translation>업데이트 오류. 다시 시도하십시오.
Bluetooth 장치에서 응답이 없습니다.</translation>
        </message>
    </context>
    <context>
        <name>TestMenu</name>
        <message>
            <source>PreviousPage</source>
            <translation>이전 페이지</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>메인 메뉴</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>다음 페이지</translation>
        </message>
    </context>
    <context>
        <name>TestMenuAudioLoopback</name>
        <message>
            <source>Back</source>
            <translation>뒤로</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>통과</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>실패</translation>
        </message>
    </context>
    <context>
        <name>TestMenuFlashUpdate</name>
        <message>
            <source>Back</source>
            <translation>뒤로</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>통과</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>실패</translation>
        </message>
    </context>
    <context>
        <name>TestmenuAudio</name>
        <message>
            <source>Back</source>
            <translation>뒤로</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>통과</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>실패</translation>
        </message>
    </context>
    <context>
        <name>TestmenuBattery</name>
        <message>
            <source>Back</source>
            <translation>뒤로</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>통과</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>실패</translation>
        </message>
    </context>
    <context>
        <name>TestmenuDisplay</name>
        <message>
            <source>Back</source>
            <translation>뒤로</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>통과</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>실패</translation>
        </message>
    </context>
    <context>
        <name>TestmenuGps</name>
        <message>
            <source>Back</source>
            <translation>뒤로</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>통과</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>실패</translation>
        </message>
    </context>
    <context>
        <name>TestmenuInitBluetooth</name>
        <message>
            <source>Back</source>
            <translation>뒤로</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>통과</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>실패</translation>
        </message>
    </context>
    <context>
        <name>TestmenuKeyboard</name>
        <message>
            <source>Back</source>
            <translation>뒤로</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>통과</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>실패</translation>
        </message>
    </context>
    <context>
        <name>TestmenuLed</name>
        <message>
            <source>Back</source>
            <translation>뒤로</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>통과</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>실패</translation>
        </message>
    </context>
    <context>
        <name>TestmenuRemoteCtrl</name>
        <message>
            <source>Back</source>
            <translation>뒤로</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSdcard</name>
        <message>
            <source>Back</source>
            <translation>뒤로</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>통과</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>실패</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSelftest</name>
        <message>
            <source>Back</source>
            <translation>뒤로</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>통과</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>실패</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSensordetection</name>
        <message>
            <source>Back</source>
            <translation>뒤로</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>통과</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>실패</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUartUsbSwitch</name>
        <message>
            <source>Back</source>
            <translation>뒤로</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>통과</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>실패</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUsb</name>
        <message>
            <source>Back</source>
            <translation>뒤로</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>통과</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>실패</translation>
        </message>
    </context>
    <context>
        <name>MeasManagementEdit</name>
        <message>
            <source>ChangeName</source>
            <translation>이름 변경</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>적용</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>취소</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>삭제</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>히스토그램</translation>
        </message>
        <message>
            <source>Levelmeasurement</source>
            <translation>레벨 측정</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>관로 탐지</translation>
        </message>
        <message>
            <source>H2-Measurement</source>
            <translation>H2 측정</translation>
        </message>
        <message>
            <source>Longtermmeasurement</source>
            <translation>장기 측정</translation>
        </message>
    </context>
    <context>
        <name>AudioWorker</name>
        <message>
            <source>StoringTheSoundPleaseWait</source>
            <translation>소리를 저장하는 중입니다.
잠시 기다려 주십시오...</translation>
        </message>
    </context>
</TS>
