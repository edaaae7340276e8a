<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="ko_KR">
<context>
    <name>ConfigDialog</name>
    <message>
        <source>환경설정</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>회사정보</source>
        <translation>会社情報</translation>
    </message>
    <message>
        <source>회사명</source>
        <translation>会社名</translation>
    </message>
    <message>
        <source>판매처명</source>
        <translation>ショップ名</translation>
    </message>
    <message>
        <source>판매사이트</source>
        <translation>販売サイト</translation>
    </message>
    <message>
        <source>http://www.myshop.com</source>
        <translation>http://www.myshop.com</translation>
    </message>
    <message>
        <source>우편번호</source>
        <translation>郵便番号</translation>
    </message>
    <message>
        <source>999-9999; </source>
        <translation>999-9999; </translation>
    </message>
    <message>
        <source>###-####</source>
        <translation>###-####</translation>
    </message>
    <message>
        <source>주소</source>
        <translation>住所</translation>
    </message>
    <message>
        <source>전화번호</source>
        <translation>電話番号</translation>
    </message>
    <message>
        <source>팩스번호</source>
        <translation>FAX番号</translation>
    </message>
    <message>
        <source>전자우편</source>
        <translation>メールアドレス</translation>
    </message>
    <message>
        <source>myid@provider.com</source>
        <translation>myid@provider.com</translation>
    </message>
    <message>
        <source>변환설정 관리</source>
        <translation>変換設定の管理</translation>
    </message>
    <message>
        <source>새로운 설정을 추가합니다</source>
        <translation>新しい変換設定を追加します</translation>
    </message>
    <message>
        <source>추가</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>선택된 설정을 변경합니다</source>
        <translation>選択した変換設定を変更します</translation>
    </message>
    <message>
        <source>변경</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>선택된 설정을 삭제합니다</source>
        <translation>選択した変換設定を削除します</translation>
    </message>
    <message>
        <source>삭제</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>변경된 사항을 저장합니다</source>
        <translation>変更を保存します</translation>
    </message>
    <message>
        <source>확인</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>변경된 사항을 저장하지 않습니다</source>
        <translation>変更を保存しません</translation>
    </message>
    <message>
        <source>취소</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Cannot delete the convert setting &apos;%1&apos;.</source>
        <translation>変換設定「%1」を削除できません。</translation>
    </message>
    <message>
        <source>Cannot write the settings file &apos;%1&apos;.</source>
        <translation>設定ファイル「%1」を書き込めません。</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>保存されていない変更</translation>
    </message>
    <message>
        <source>The company information has changed.
Discard the changes?</source>
        <translation>会社情報が変更されています。
変更を破棄しますか？</translation>
    </message>
    <message>
        <source>02-1234-5678</source>
        <translation>03-1234-5678</translation>
    </message>
    <message>
        <source>선택된 설정을 복제하여 새 설정을 만듭니다</source>
        <translation>選択した変換設定をコピーして新しい変換設定を作ります</translation>
    </message>
    <message>
        <source>복제</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>%1 copy</source>
        <translation>%1 のコピー</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Delete the convert setting &apos;%1&apos;?</source>
        <translation>変換設定「%1」を削除しますか？</translation>
    </message>
</context>
<context>
    <name>ConvertSettingDialog</name>
    <message>
        <source>변환설정</source>
        <translation>変換設定</translation>
    </message>
    <message>
        <source>설정 이름:</source>
        <translation>設定名:</translation>
    </message>
    <message>
        <source>현재 설정을 식별할 이름을 지정합니다</source>
        <translation>この変換設定を見分けるための名前を指定します</translation>
    </message>
    <message>
        <source>입력양식</source>
        <translation>入力フォーマット</translation>
    </message>
    <message>
        <source>항목을 출력양식으로 드래그하여 추가합니다</source>
        <translation>項目を出力フォーマットへドラッグして追加します</translation>
    </message>
    <message>
        <source>선택된 양식파일의 첫 항목으로 이동합니다</source>
        <translation>選択した入力フォーマットの最初の項目を表示します</translation>
    </message>
    <message>
        <source>입력될 양식을 파일에서 불러와 추가합니다</source>
        <translation>入力フォーマットをファイルから読み込んで追加します</translation>
    </message>
    <message>
        <source>입력양식 추가</source>
        <translation>入力フォーマットの追加</translation>
    </message>
    <message>
        <source>입력양식을 초기화 합니다</source>
        <translation>入力フォーマットをクリアします</translation>
    </message>
    <message>
        <source>입력양식 비우기</source>
        <translation>入力フォーマットのクリア</translation>
    </message>
    <message>
        <source>출력양식</source>
        <translation>出力フォーマット</translation>
    </message>
    <message>
        <source>CSV 파일</source>
        <translation>CSV ファイル</translation>
    </message>
    <message>
        <source>새로운 출력항목을 마지막에 추가합니다</source>
        <translation>新しい出力項目を末尾に追加します</translation>
    </message>
    <message>
        <source>항목 추가</source>
        <translation>項目の追加</translation>
    </message>
    <message>
        <source>새로운 출력항목을 선택된 위치에 삽입합니다</source>
        <translation>新しい出力項目を選択した位置に挿入します</translation>
    </message>
    <message>
        <source>항목 삽입</source>
        <translation>項目の挿入</translation>
    </message>
    <message>
        <source>선택된 항목을 삭제합니다</source>
        <translation>選択した項目を削除します</translation>
    </message>
    <message>
        <source>항목 삭제</source>
        <translation>項目の削除</translation>
    </message>
    <message>
        <source>구매 명세서 PDF파일을 생성합니다</source>
        <translation>納品書の PDF ファイルを作成します</translation>
    </message>
    <message>
        <source>구매 명세서 생성</source>
        <translation>納品書を作成</translation>
    </message>
    <message>
        <source>선택된 항목을 왼쪽으로 이동합니다</source>
        <translation>選択した項目を左へ移動します</translation>
    </message>
    <message>
        <source>선택된 항목을 오른쪽으로 이동합니다</source>
        <translation>選択した項目を右へ移動します</translation>
    </message>
    <message>
        <source>출력 미리보기 (예제 행의 변환 결과)</source>
        <translation>出力のプレビュー (サンプル行の変換結果)</translation>
    </message>
    <message>
        <source>예제 행이 변환되어 출력될 값을 보여줍니다</source>
        <translation>サンプル行を変換して出力される値を表示します</translation>
    </message>
    <message>
        <source>구매명세서</source>
        <translation>納品書</translation>
    </message>
    <message>
        <source>제목 :</source>
        <translation>タイトル :</translation>
    </message>
    <message>
        <source>명세서 상단에 출력될 제목을 지정합니다</source>
        <translation>納品書の上部に印刷するタイトルを指定します</translation>
    </message>
    <message>
        <source>글꼴 :</source>
        <translation>フォント :</translation>
    </message>
    <message>
        <source>명세서에 사용될 글꼴을 지정합니다.</source>
        <translation>納品書に使うフォントを指定します。</translation>
    </message>
    <message>
        <source>회사정보 출력여부</source>
        <translation>印刷する会社情報</translation>
    </message>
    <message>
        <source>체크하여 회사명을 출력합니다.</source>
        <translation>チェックすると会社名を印刷します。</translation>
    </message>
    <message>
        <source>회사명</source>
        <translation>会社名</translation>
    </message>
    <message>
        <source>체크하여 판매처명을 출력합니다.</source>
        <translation>チェックするとショップ名を印刷します。</translation>
    </message>
    <message>
        <source>판매처명</source>
        <translation>ショップ名</translation>
    </message>
    <message>
        <source>체크하여 판매사이트 주소를 출력합니다.</source>
        <translation>チェックすると販売サイトの URL を印刷します。</translation>
    </message>
    <message>
        <source>판매사이트</source>
        <translation>販売サイト</translation>
    </message>
    <message>
        <source>체크하여 우편번호를 출력합니다.</source>
        <translation>チェックすると郵便番号を印刷します。</translation>
    </message>
    <message>
        <source>우편번호</source>
        <translation>郵便番号</translation>
    </message>
    <message>
        <source>체크하여 주소를 출력합니다.</source>
        <translation>チェックすると住所を印刷します。</translation>
    </message>
    <message>
        <source>주소</source>
        <translation>住所</translation>
    </message>
    <message>
        <source>체크하여 전화번호를 출력합니다.</source>
        <translation>チェックすると電話番号を印刷します。</translation>
    </message>
    <message>
        <source>전화번호</source>
        <translation>電話番号</translation>
    </message>
    <message>
        <source>체크하여 팩스번호를 출력합니다.</source>
        <translation>チェックするとFAX番号を印刷します。</translation>
    </message>
    <message>
        <source>팩스번호</source>
        <translation>FAX番号</translation>
    </message>
    <message>
        <source>체크하여 전자우편 주소를 출력합니다.</source>
        <translation>チェックするとメールアドレスを印刷します。</translation>
    </message>
    <message>
        <source>전자우편</source>
        <translation>メールアドレス</translation>
    </message>
    <message>
        <source>구매감사 문구 :</source>
        <translation>お礼の文章 :</translation>
    </message>
    <message>
        <source>수신자 주소 아래에 표시될 구매감사 문구를 지정합니다</source>
        <translation>宛名の住所の下に印刷するお礼の文章を指定します</translation>
    </message>
    <message>
        <source>명세서 안내문구 :</source>
        <translation>納品書の案内文 :</translation>
    </message>
    <message>
        <source>명세서 관련 안내문구를 지정합니다</source>
        <translation>納品書に印刷する案内文を指定します</translation>
    </message>
    <message>
        <source>변경된 사항을 저장합니다</source>
        <translation>変更を保存します</translation>
    </message>
    <message>
        <source>저장</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>변경된 사항을 저장하지 않습니다</source>
        <translation>変更を保存しません</translation>
    </message>
    <message>
        <source>취소</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Load File(s)</source>
        <translation>ファイルの読み込み</translation>
    </message>
    <message>
        <source>Cannot open file &apos;%1&apos;:
%2.</source>
        <translation>ファイル「%1」を開けません:
%2</translation>
    </message>
    <message>
        <source>Input file has a malformed record:
%1 (line %2).</source>
        <translation>入力ファイルに読み取れないレコードがあります:
%1 (%2 行目)</translation>
    </message>
    <message>
        <source>Input file has no header line:
%1.</source>
        <translation>入力ファイルに見出しの行がありません:
%1</translation>
    </message>
    <message>
        <source>Matching key was not selected</source>
        <translation>照合する項目が選択されていません。</translation>
    </message>
    <message>
        <source>Name field is required.</source>
        <translation>設定名を入力してください。</translation>
    </message>
    <message>
        <source>Name must not contain &apos;/&apos; or &apos;\&apos;.</source>
        <translation>設定名に「/」や「\」は使用できません。</translation>
    </message>
    <message>
        <source>PDF title field is required.</source>
        <translation>納品書のタイトルを入力してください。</translation>
    </message>
    <message>
        <source>Replace convert setting</source>
        <translation>変換設定の上書き</translation>
    </message>
    <message>
        <source>A convert setting named &apos;%1&apos; already exists.
Replace it?</source>
        <translation>変換設定「%1」はすでにあります。
上書きしますか？</translation>
    </message>
    <message>
        <source>Cannot write the settings file &apos;%1&apos;.</source>
        <translation>設定ファイル「%1」を書き込めません。</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>保存されていない変更</translation>
    </message>
    <message>
        <source>The convert setting has changed.
Discard the changes?</source>
        <translation>変換設定が変更されています。
変更を破棄しますか？</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*.*)</source>
        <translation>CSV ファイル (*.csv);;すべてのファイル (*.*)</translation>
    </message>
    <message>
        <source>출력 인코딩 :</source>
        <translation>出力の文字コード :</translation>
    </message>
    <message>
        <source>출력 CSV 파일의 문자 인코딩을 지정합니다</source>
        <translation>出力する CSV ファイルの文字コードを指定します</translation>
    </message>
    <message>
        <source>인코딩으로 표현할 수 없는 문자를 〓로 바꾸어 저장하고, 변환이 끝나면 그 행을 알려줍니다. 체크하지 않으면 변환을 중단합니다</source>
        <translation>文字コードで表せない文字を〓に置き換え、終了時にその行をお知らせします。オフのときは変換を中止します</translation>
    </message>
    <message>
        <source>표현할 수 없는 문자는 〓로 바꾸기</source>
        <translation>表せない文字は〓に置き換える</translation>
    </message>
    <message>
        <source>시스템 기본값</source>
        <translation>システムの既定</translation>
    </message>
    <message>
        <source>UTF-8 (BOM 포함)</source>
        <translation>UTF-8 (BOM 付き)</translation>
    </message>
</context>
<context>
    <name>CsvWriter</name>
    <message>
        <source>%1 is not a regular file</source>
        <translation>「%1」は通常のファイルではありません</translation>
    </message>
    <message>
        <source>The device is not open for writing</source>
        <translation>ファイルを書き込み可能な状態で開けませんでした</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
</context>
<context>
    <name>DragGroupBox</name>
    <message>
        <source>회사정보</source>
        <translation>会社情報</translation>
    </message>
    <message>
        <source>항목을 출력양식으로 드래그 하여 추가합니다</source>
        <translation>項目を出力フォーマットへドラッグして追加します</translation>
    </message>
    <message>
        <source>출력양식으로 드래그 하면 회사명이 추가됩니다</source>
        <translation>出力フォーマットへドラッグすると会社名が追加されます</translation>
    </message>
    <message>
        <source>회사명</source>
        <translation>会社名</translation>
    </message>
    <message>
        <source>출력양식으로 드래그 하면 판매처명이 추가됩니다</source>
        <translation>出力フォーマットへドラッグするとショップ名が追加されます</translation>
    </message>
    <message>
        <source>판매처명</source>
        <translation>ショップ名</translation>
    </message>
    <message>
        <source>출력양식으로 드래그 하면 판매사이트가 추가됩니다</source>
        <translation>出力フォーマットへドラッグすると販売サイトが追加されます</translation>
    </message>
    <message>
        <source>판매사이트</source>
        <translation>販売サイト</translation>
    </message>
    <message>
        <source>출력양식으로 드래그 하면 회사 우편번호가 추가됩니다</source>
        <translation>出力フォーマットへドラッグすると会社の郵便番号が追加されます</translation>
    </message>
    <message>
        <source>우편번호</source>
        <translation>郵便番号</translation>
    </message>
    <message>
        <source>출력양식으로 드래그 하면 회사 주소가 추가됩니다</source>
        <translation>出力フォーマットへドラッグすると会社の住所が追加されます</translation>
    </message>
    <message>
        <source>주소</source>
        <translation>住所</translation>
    </message>
    <message>
        <source>출력양식으로 드래그 하면 회사 전화번호가 추가됩니다</source>
        <translation>出力フォーマットへドラッグすると会社の電話番号が追加されます</translation>
    </message>
    <message>
        <source>전화번호</source>
        <translation>電話番号</translation>
    </message>
    <message>
        <source>출력양식으로 드래그 하면 회사 팩스번호가 추가됩니다</source>
        <translation>出力フォーマットへドラッグすると会社のFAX番号が追加されます</translation>
    </message>
    <message>
        <source>팩스번호</source>
        <translation>FAX番号</translation>
    </message>
    <message>
        <source>출력양식으로 드래그 하면 회사 이메일주소가 추가됩니다</source>
        <translation>出力フォーマットへドラッグすると会社のメールアドレスが追加されます</translation>
    </message>
    <message>
        <source>전자우편</source>
        <translation>メールアドレス</translation>
    </message>
</context>
<context>
    <name>EditConditionsDialog</name>
    <message>
        <source>조건 설정</source>
        <translation>条件の設定</translation>
    </message>
    <message>
        <source>항목을 선택하여 수정이 가능합니다</source>
        <translation>項目を選択すると編集できます</translation>
    </message>
    <message>
        <source>설정된 조건들을 검사할 방식을 지정합니다</source>
        <translation>設定した条件の判定方法を指定します</translation>
    </message>
    <message>
        <source>비교 유형</source>
        <translation>比較の種類</translation>
    </message>
    <message>
        <source>비교할 항목이 문자열인지 숫자열인지 선택합니다</source>
        <translation>比較する値を文字列として扱うか数値として扱うかを選択します</translation>
    </message>
    <message>
        <source>문자열</source>
        <translation>文字列</translation>
    </message>
    <message>
        <source>숫자열</source>
        <translation>数値</translation>
    </message>
    <message>
        <source>비교문자열</source>
        <translation>比較する文字列</translation>
    </message>
    <message>
        <source>항목의 문자열과 비교할 문자열을 지정합니다</source>
        <translation>項目の値と比較する文字列を指定します</translation>
    </message>
    <message>
        <source>비교방법을 선택합니다</source>
        <translation>比較方法を選択します</translation>
    </message>
    <message>
        <source>하한</source>
        <translation>下限</translation>
    </message>
    <message>
        <source>비교할 최저한계를 지정합니다</source>
        <translation>比較する下限値を指定します</translation>
    </message>
    <message>
        <source>최저한계 비교방법을 선택합니다</source>
        <translation>下限値の比較方法を選択します</translation>
    </message>
    <message>
        <source>상한</source>
        <translation>上限</translation>
    </message>
    <message>
        <source>비교할 최고한계를 지정합니다</source>
        <translation>比較する上限値を指定します</translation>
    </message>
    <message>
        <source>최고한계 비교방법을 선택합니다</source>
        <translation>上限値の比較方法を選択します</translation>
    </message>
    <message>
        <source>설정된 조건을 저장합니다</source>
        <translation>設定した条件を保存します</translation>
    </message>
    <message>
        <source>적용</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>선택된 조건을 삭제합니다</source>
        <translation>選択した条件を削除します</translation>
    </message>
    <message>
        <source>삭제</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>*항목별 조건은 적용 버튼을 클릭하셔야 설정이 저장됩니다!</source>
        <translation>※ 項目ごとの条件は［適用］ボタンを押したときに保存されます。</translation>
    </message>
    <message>
        <source>조건검사방식 변경사항을 저장합니다</source>
        <translation>判定方法の変更を保存します</translation>
    </message>
    <message>
        <source>확인</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>조건검사방식 변경사항을 저장하지 않습니다</source>
        <translation>判定方法の変更を保存しません</translation>
    </message>
    <message>
        <source>닫기</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Setting has saved</source>
        <translation>設定を保存しました</translation>
    </message>
</context>
<context>
    <name>EditOutputItemsDialog</name>
    <message>
        <source>항목변경</source>
        <translation>項目の変更</translation>
    </message>
    <message>
        <source>드래그하여 순서변경이 가능합니다</source>
        <translation>ドラッグして順序を変更できます</translation>
    </message>
    <message>
        <source>선택된 항목을 제거합니다</source>
        <translation>選択した項目を外します</translation>
    </message>
    <message>
        <source>항목들이 연결될 때 항목간에 설정된 문자를 삽입합니다</source>
        <translation>項目の値をつなげるとき、値の間に指定した区切り文字を入れます</translation>
    </message>
    <message>
        <source>항목사이 연결자 삽입</source>
        <translation>項目の間に区切り文字を入れる</translation>
    </message>
    <message>
        <source>삽입될 문자를 지정합니다</source>
        <translation>入れる区切り文字を指定します</translation>
    </message>
    <message>
        <source>변경사항을 저장합니다</source>
        <translation>変更を保存します</translation>
    </message>
    <message>
        <source>확인</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>변경사항을 저장하지 않습니다</source>
        <translation>変更を保存しません</translation>
    </message>
    <message>
        <source>취소</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>InfoDialog</name>
    <message>
        <source>로우스미스 정보</source>
        <translation>Rowsmith について</translation>
    </message>
    <message>
        <source>프로그램 정보</source>
        <translation>プログラム情報</translation>
    </message>
    <message>
        <source>로우스미스</source>
        <translation>Rowsmith</translation>
    </message>
    <message>
        <source>제작일 : 2011-10-04</source>
        <translation>リリース日 : 2011-10-04</translation>
    </message>
    <message>
        <source>저작권 정보</source>
        <translation>著作権情報</translation>
    </message>
    <message>
        <source>확인</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version : </source>
        <translation>バージョン : </translation>
    </message>
</context>
<context>
    <name>InputModeModel</name>
    <message>
        <source>Item</source>
        <translation>項目</translation>
    </message>
    <message>
        <source>Ex %1</source>
        <translation>サンプル %1</translation>
    </message>
</context>
<context>
    <name>KeySelectDialog</name>
    <message>
        <source>항목매칭</source>
        <translation>項目の照合</translation>
    </message>
    <message>
        <source>매칭시 비교될 항목을 각각 선택해 주십시오</source>
        <translation>照合する項目をそれぞれ選択してください</translation>
    </message>
    <message>
        <source>기존데이터 항목</source>
        <translation>既存データの項目</translation>
    </message>
    <message>
        <source>기존데이터에서 매칭할 항목을 선택합니다.</source>
        <translation>既存データから照合する項目を選択します。</translation>
    </message>
    <message>
        <source>추가될 파일데이터 항목</source>
        <translation>追加するファイルの項目</translation>
    </message>
    <message>
        <source>추가한 파일에서 매칭할 항목을 선택합니다.</source>
        <translation>追加したファイルから照合する項目を選択します。</translation>
    </message>
    <message>
        <source>선택된 항목들로 매칭하여 입력양식을 추가합니다</source>
        <translation>選択した項目で照合して入力フォーマットを追加します</translation>
    </message>
    <message>
        <source>선택</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>입력양식을 추가하지 않습니다</source>
        <translation>入力フォーマットを追加しません</translation>
    </message>
    <message>
        <source>취소</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>로우스미스</source>
        <translation>Rowsmith</translation>
    </message>
    <message>
        <source>입력</source>
        <translation>入力</translation>
    </message>
    <message>
        <source>입력파일:</source>
        <translation>入力ファイル:</translation>
    </message>
    <message>
        <source>입력파일을 추가합니다</source>
        <translation>入力ファイルを追加します</translation>
    </message>
    <message>
        <source>선택된 입력파일을 제외합니다</source>
        <translation>選択した入力ファイルを一覧から外します</translation>
    </message>
    <message>
        <source>출력</source>
        <translation>出力</translation>
    </message>
    <message>
        <source>변환설정:</source>
        <translation>変換設定:</translation>
    </message>
    <message>
        <source>변환에 사용할 설정을 선택합니다</source>
        <translation>変換に使う変換設定を選択します</translation>
    </message>
    <message>
        <source>선택된 설정을 수정합니다</source>
        <translation>選択した変換設定を編集します</translation>
    </message>
    <message>
        <source>출력파일:</source>
        <translation>出力ファイル:</translation>
    </message>
    <message>
        <source>출력파일을 지정합니다</source>
        <translation>出力ファイルを指定します</translation>
    </message>
    <message>
        <source>파일을 변환합니다</source>
        <translation>ファイルを変換します</translation>
    </message>
    <message>
        <source>변환</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>생성된 명세서를 출력합니다.</source>
        <translation>作成した納品書 (PDF) を開きます。印刷は PDF ビューアーから行います。</translation>
    </message>
    <message>
        <source>명세서
출력</source>
        <translation>納品書を
印刷</translation>
    </message>
    <message>
        <source>출력파일이 생성된 폴더를 탐색합니다.</source>
        <translation>出力ファイルを作成したフォルダーを開きます。</translation>
    </message>
    <message>
        <source>출력폴더
열기</source>
        <translation>出力先を
開く</translation>
    </message>
    <message>
        <source>파일</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>환경설정</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>정보</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>입력파일 추가</source>
        <translation>入力ファイルの追加</translation>
    </message>
    <message>
        <source>출력파일 지정</source>
        <translation>出力ファイルの指定</translation>
    </message>
    <message>
        <source>파일 변환</source>
        <translation>ファイルの変換</translation>
    </message>
    <message>
        <source>명세서 출력</source>
        <translation>納品書の印刷</translation>
    </message>
    <message>
        <source>프로그램 종료</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>프로그램을 종료합니다</source>
        <translation>Rowsmith を終了します</translation>
    </message>
    <message>
        <source>도움말</source>
        <translation>マニュアル</translation>
    </message>
    <message>
        <source>도움말을 실행합니다</source>
        <translation>マニュアルを開きます</translation>
    </message>
    <message>
        <source>로우스미스 정보</source>
        <translation>Rowsmith について</translation>
    </message>
    <message>
        <source>로우스미스 정보를 보여줍니다</source>
        <translation>Rowsmith のバージョン情報を表示します</translation>
    </message>
    <message>
        <source>벨트라</source>
        <translation>Veltra のホームページ</translation>
    </message>
    <message>
        <source>벨트라 홈페이지로 연결합니다</source>
        <translation>Veltra のホームページを開きます</translation>
    </message>
    <message>
        <source>회사정보설정</source>
        <translation>会社情報の設定</translation>
    </message>
    <message>
        <source>회사정보를 설정합니다</source>
        <translation>会社情報を設定します</translation>
    </message>
    <message>
        <source>변환설정</source>
        <translation>変換設定</translation>
    </message>
    <message>
        <source>변환설정을 관리합니다</source>
        <translation>変換設定を管理します</translation>
    </message>
    <message>
        <source>Input Files</source>
        <translation>入力ファイルの追加</translation>
    </message>
    <message>
        <source>Output File</source>
        <translation>出力ファイルの指定</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>An error has occurred</source>
        <translation>エラーが発生しました</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>アップデートのお知らせ</translation>
    </message>
    <message>
        <source>There is newer version available.
Do you want to update now?
(Restart Rowsmith is required.

Current version : %1
Latest version : %2</source>
        <translation>新しいバージョンが公開されています。
今すぐアップデートしますか？
(Rowsmith の再起動が必要です。)

現在のバージョン : %1
最新のバージョン : %2</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*.*)</source>
        <translation>CSV ファイル (*.csv);;すべてのファイル (*.*)</translation>
    </message>
    <message>
        <source>CSV File (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>Cannot write statement file:
%1.</source>
        <translation>納品書ファイルを書き込めません:
%1</translation>
    </message>
    <message>
        <source>Not enough memory to convert the input files.</source>
        <translation>メモリーが不足しているため、入力ファイルを変換できません。</translation>
    </message>
    <message>
        <source>Checking all fields...</source>
        <translation>入力内容を確認しています...</translation>
    </message>
    <message>
        <source>Input file is required.</source>
        <translation>入力ファイルを追加してください。</translation>
    </message>
    <message>
        <source>Output file is required.</source>
        <translation>出力ファイルを指定してください。</translation>
    </message>
    <message>
        <source>Output file must not be one of the input files.</source>
        <translation>入力ファイルを出力ファイルに指定することはできません。</translation>
    </message>
    <message>
        <source>Choose a convert setting.</source>
        <translation>変換設定を選択してください。</translation>
    </message>
    <message>
        <source>Loading settings...</source>
        <translation>変換設定を読み込んでいます...</translation>
    </message>
    <message>
        <source>Cannot read the settings file:
%1
%2</source>
        <translation>設定ファイルを読み込めません:
%1
%2</translation>
    </message>
    <message>
        <source>Some of its lines cannot be read as settings.</source>
        <translation>設定として読み取れない行があります。</translation>
    </message>
    <message>
        <source>Processing input file(s)...</source>
        <translation>入力ファイルを処理しています...</translation>
    </message>
    <message>
        <source>There is no input file information in setting. Please check convert settings.</source>
        <translation>変換設定に入力フォーマットの情報がありません。変換設定を確認してください。</translation>
    </message>
    <message>
        <source>Generating output file...</source>
        <translation>出力ファイルを作成しています...</translation>
    </message>
    <message>
        <source>Cannot open output file:
%1.</source>
        <translation>出力ファイルを開けません:
%1</translation>
    </message>
    <message>
        <source>Start converting...</source>
        <translation>変換を開始します...</translation>
    </message>
    <message>
        <source>Deleting duplication and merging items...</source>
        <translation>重複を削除し、項目を統合しています...</translation>
    </message>
    <message>
        <source>Creating PDF file...</source>
        <translation>PDF ファイルを作成しています...</translation>
    </message>
    <message>
        <source>Saving PDF file...</source>
        <translation>PDF ファイルを保存しています...</translation>
    </message>
    <message>
        <source>Cannot write output file:
%1.</source>
        <translation>出力ファイルを書き込めません:
%1</translation>
    </message>
    <message>
        <source>Converting succeeded.</source>
        <translation>変換が完了しました。</translation>
    </message>
    <message>
        <source>Cannot open input file:
%1.</source>
        <translation>入力ファイルを開けません:
%1</translation>
    </message>
    <message>
        <source>Input file has a malformed record:
%1 (line %2).</source>
        <translation>入力ファイルに読み取れないレコードがあります:
%1 (%2 行目)</translation>
    </message>
    <message>
        <source>Input file dose not match with setting.
Please check the input file(s).</source>
        <translation>入力ファイルが変換設定の入力フォーマットと一致しません。
入力ファイルを確認してください。</translation>
    </message>
    <message>
        <source>Number of input files is not matched with setting.</source>
        <translation>入力ファイルの数が変換設定と一致しません。</translation>
    </message>
    <message>
        <source>Cannot find proper source file.</source>
        <translation>変換設定の入力フォーマットに合う入力ファイルが見つかりません。</translation>
    </message>
    <message>
        <source>Order Detail</source>
        <translation>ご注文明細</translation>
    </message>
    <message>
        <source>Order Number</source>
        <translation>ご注文番号</translation>
    </message>
    <message>
        <source>Order Date</source>
        <translation>ご注文日</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>商品</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>数量</translation>
    </message>
    <message>
        <source>Unit Price</source>
        <translation>単価</translation>
    </message>
    <message>
        <source>Subtotal</source>
        <translation>小計</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>商品合計</translation>
    </message>
    <message>
        <source>Tax</source>
        <translation>消費税</translation>
    </message>
    <message>
        <source>Shipping Charge</source>
        <translation>送料</translation>
    </message>
    <message>
        <source>C.O.D Charge</source>
        <translation>代引手数料</translation>
    </message>
    <message>
        <source>Total Sum</source>
        <translation>合計金額</translation>
    </message>
    <message>
        <source>Coupon</source>
        <translation>クーポン値引</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>ポイント利用</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>お支払金額</translation>
    </message>
    <message>
        <source>The statement needs an output file: the setting cannot write to standard output.</source>
        <translation>この変換設定は納品書を作成するため、出力先に標準出力 (-) は指定できません。</translation>
    </message>
    <message>
        <source>Input file mixes text encodings:
%1 (line %2).</source>
        <translation>入力ファイルに異なる文字コードが混在しています:
%1 (%2 行目)</translation>
    </message>
    <message>
        <source>Input file has bytes that are not text in %3:
%1 (line %2).</source>
        <translation>入力ファイルに %3 として読み取れない文字があります:
%1 (%2 行目)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>The manual was not found. It was looked for in:
%1</source>
        <translation>マニュアルが見つかりません。次の場所を探しました:
%1</translation>
    </message>
    <message>
        <source>Cannot write statement file %1:
%2.</source>
        <translation>納品書ファイル「%1」を書き込めません:
%2</translation>
    </message>
    <message>
        <source>Output file must not be the settings file.</source>
        <translation>設定ファイルを出力ファイルに指定することはできません。</translation>
    </message>
    <message>
        <source>The statement goes beside the output file, which must be a regular file:
%1.</source>
        <translation>納品書は出力ファイルと同じフォルダーに作成するため、出力先には通常のファイルを指定してください:
%1</translation>
    </message>
    <message>
        <source>%1 character(s) that %2 cannot hold were written as 〓 in %3 row(s): %4.</source>
        <translation>%1 文字が %2 で表せないため〓に置き換えました（%3 行、行番号: %4）。</translation>
    </message>
    <message>
        <source>Output file cannot hold the character &apos;%1&apos; (U+%2) in item &apos;%3&apos;, row %4, in %5.</source>
        <translation>出力ファイルの文字コードでは文字「%1」(U+%2) を表せません（項目「%3」、%4 行目、%5）。</translation>
    </message>
    <message>
        <source>The convert setting names an unknown output encoding: %1.</source>
        <translation>変換設定に不明な出力の文字コードが指定されています: %1</translation>
    </message>
</context>
<context>
    <name>MergeDialog</name>
    <message>
        <source>병합 설정</source>
        <translation>統合の設定</translation>
    </message>
    <message>
        <source>병합방식</source>
        <translation>統合方法</translation>
    </message>
    <message>
        <source>중복제거시 병합여부와 방식을 설정합니다</source>
        <translation>重複を削除するとき、値を統合するかどうかと統合の方法を設定します</translation>
    </message>
    <message>
        <source>연결자</source>
        <translation>区切り文字</translation>
    </message>
    <message>
        <source>문자열 병합시 항목사이에 추가될 연결자 유형을 선택합니다</source>
        <translation>文字列として連結するとき、値の間に入れる区切りの種類を選択します</translation>
    </message>
    <message>
        <source>문자</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>개행코드</source>
        <translation>改行コード</translation>
    </message>
    <message>
        <source>항목사이에 추가될 연결문자를 지정합니다</source>
        <translation>値の間に入れる区切り文字を指定します</translation>
    </message>
    <message>
        <source>LF개행 코드를 삽입합니다</source>
        <translation>LF 改行コードを入れます</translation>
    </message>
    <message>
        <source>CRLF개행 코드를 삽입합니다</source>
        <translation>CRLF 改行コードを入れます</translation>
    </message>
    <message>
        <source>변경사항을 저장합니다</source>
        <translation>変更を保存します</translation>
    </message>
    <message>
        <source>확인</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>변경사항을 저장하지 않습니다</source>
        <translation>変更を保存しません</translation>
    </message>
    <message>
        <source>취소</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Select new line code.</source>
        <translation>改行コードを選択してください。</translation>
    </message>
</context>
<context>
    <name>OutputModeModel</name>
    <message>
        <source>Double click to edit &apos;%1&apos;</source>
        <translation>ダブルクリックで「%1」を編集します</translation>
    </message>
    <message>
        <source>Double click to edit output items for &apos;%1&apos;</source>
        <translation>ダブルクリックで「%1」に使う項目を編集します</translation>
    </message>
    <message>
        <source>Double click to edit conditions for &apos;%1&apos;</source>
        <translation>ダブルクリックで「%1」の条件を編集します</translation>
    </message>
    <message>
        <source>Double click to edit rules for &apos;%1&apos;</source>
        <translation>ダブルクリックで「%1」のルールを編集します</translation>
    </message>
    <message>
        <source>Check to delete duplication for &apos;%1&apos;</source>
        <translation>チェックすると、「%1」の値が同じ行を重複とみなして 1 行にまとめます</translation>
    </message>
    <message>
        <source>Double click to edit merge option for &apos;%1&apos;</source>
        <translation>ダブルクリックで「%1」の統合方法を編集します</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>項目名</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>元の項目</translation>
    </message>
    <message>
        <source>Conditions</source>
        <translation>条件</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>ルール</translation>
    </message>
    <message>
        <source>Distinct</source>
        <translation>重複削除</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>統合</translation>
    </message>
</context>
<context>
    <name>PdfRuleDialog</name>
    <message>
        <source>규칙설정</source>
        <translation>ルールの設定</translation>
    </message>
    <message>
        <source>설정된 규칙을 병합 전 처리에 추가합니다</source>
        <translation>設定したルールを一覧に追加します</translation>
    </message>
    <message>
        <source>선택된 병합 전 처리 규칙을 삭제합니다</source>
        <translation>選択したルールを一覧から削除します</translation>
    </message>
    <message>
        <source>드래그하여 순서변경이 가능합니다</source>
        <translation>ドラッグして順序を変更できます</translation>
    </message>
    <message>
        <source>예시</source>
        <translation>サンプル</translation>
    </message>
    <message>
        <source>규칙을 시험해 볼 예시 값을 입력합니다</source>
        <translation>ルールを試すためのサンプル値を入力します</translation>
    </message>
    <message>
        <source>결과</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>예시 값에 규칙을 차례로 적용한 결과입니다</source>
        <translation>サンプル値にルールを順に適用した結果です</translation>
    </message>
    <message>
        <source>변경사항을 저장합니다</source>
        <translation>変更を保存します</translation>
    </message>
    <message>
        <source>확인</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>변경사항을 저장하지 않습니다</source>
        <translation>変更を保存しません</translation>
    </message>
    <message>
        <source>취소</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Character &apos;,&apos; cannot be included.</source>
        <translation>「,」(カンマ)は使用できません。</translation>
    </message>
</context>
<context>
    <name>PdfSetModel</name>
    <message>
        <source>Name</source>
        <translation>氏名</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>住所</translation>
    </message>
    <message>
        <source>Post code</source>
        <translation>郵便番号</translation>
    </message>
    <message>
        <source>Order number</source>
        <translation>注文番号</translation>
    </message>
    <message>
        <source>Order date</source>
        <translation>注文日</translation>
    </message>
    <message>
        <source>Product name</source>
        <translation>商品名</translation>
    </message>
    <message>
        <source>Product number</source>
        <translation>商品番号</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>数量</translation>
    </message>
    <message>
        <source>Unit price</source>
        <translation>単価</translation>
    </message>
    <message>
        <source>Subtotal</source>
        <translation>小計</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>商品合計</translation>
    </message>
    <message>
        <source>Tax</source>
        <translation>消費税</translation>
    </message>
    <message>
        <source>Shipping charge</source>
        <translation>送料</translation>
    </message>
    <message>
        <source>C.O.D charge</source>
        <translation>代引手数料</translation>
    </message>
    <message>
        <source>Total sum</source>
        <translation>合計金額</translation>
    </message>
    <message>
        <source>Coupon</source>
        <translation>クーポン値引</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>ポイント利用</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>お支払金額</translation>
    </message>
    <message>
        <source>Check to print &apos;%1&apos;</source>
        <translation>チェックすると「%1」を納品書に印刷します</translation>
    </message>
    <message>
        <source>[Auto]</source>
        <translation>[自動]</translation>
    </message>
    <message>
        <source>Double click to edit output items for &apos;%1&apos;</source>
        <translation>ダブルクリックで「%1」に使う項目を編集します</translation>
    </message>
    <message>
        <source>Double click to edit rules for &apos;%1&apos;</source>
        <translation>ダブルクリックで「%1」のルールを編集します</translation>
    </message>
    <message>
        <source>Cannot assign rules for &apos;%1&apos;</source>
        <translation>「%1」にはルールを設定できません</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>元の項目</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>ルール</translation>
    </message>
</context>
<context>
    <name>RuleDescription</name>
    <message>
        <source>Keep the first %1 characters</source>
        <translation>先頭から%1文字を残す</translation>
    </message>
    <message>
        <source>Keep the last %1 characters</source>
        <translation>末尾から%1文字を残す</translation>
    </message>
    <message>
        <source>Delete the first %1 characters</source>
        <translation>先頭から%1文字を削除</translation>
    </message>
    <message>
        <source>Delete the last %1 characters</source>
        <translation>末尾から%1文字を削除</translation>
    </message>
    <message>
        <source>Break the line every %1 characters</source>
        <translation>%1文字ごとに改行</translation>
    </message>
    <message>
        <source>Insert “%1” at the start</source>
        <translation>先頭に「%1」を挿入</translation>
    </message>
    <message>
        <source>Insert “%1” at the end</source>
        <translation>末尾に「%1」を挿入</translation>
    </message>
    <message>
        <source>Delete blanks at the start and end</source>
        <translation>前後の空白を削除</translation>
    </message>
    <message>
        <source>Delete blanks at the start and end, and make each run of blanks one space</source>
        <translation>前後の空白を削除し、連続した空白を 1 つにまとめる</translation>
    </message>
    <message>
        <source>Make every new line LF</source>
        <translation>改行コードを LF にそろえる</translation>
    </message>
    <message>
        <source>Make every new line CRLF</source>
        <translation>改行コードを CRLF にそろえる</translation>
    </message>
    <message>
        <source>Delete new lines, making one line</source>
        <translation>改行を削除して 1 行にする</translation>
    </message>
    <message>
        <source>Convert to lower case</source>
        <translation>小文字に変換</translation>
    </message>
    <message>
        <source>Convert to upper case</source>
        <translation>大文字に変換</translation>
    </message>
    <message>
        <source>Convert to full width</source>
        <translation>全角に変換</translation>
    </message>
    <message>
        <source>Convert to half width</source>
        <translation>半角に変換</translation>
    </message>
    <message>
        <source>Convert to hiragana</source>
        <translation>ひらがなに変換</translation>
    </message>
    <message>
        <source>Convert to katakana</source>
        <translation>カタカナに変換</translation>
    </message>
    <message>
        <source>Unknown rule, changes nothing: %1</source>
        <translation>不明なルールのため何も変更しません: %1</translation>
    </message>
    <message>
        <source>After merge: %1</source>
        <translation>統合後: %1</translation>
    </message>
    <message>
        <source>equals “%1”</source>
        <translation>「%1」と一致する</translation>
    </message>
    <message>
        <source>does not equal “%1”</source>
        <translation>「%1」と一致しない</translation>
    </message>
    <message>
        <source>contains “%1”</source>
        <translation>「%1」を含む</translation>
    </message>
    <message>
        <source>does not contain “%1”</source>
        <translation>「%1」を含まない</translation>
    </message>
    <message>
        <source>starts with “%1”</source>
        <translation>「%1」で始まる</translation>
    </message>
    <message>
        <source>does not start with “%1”</source>
        <translation>「%1」で始まらない</translation>
    </message>
    <message>
        <source>ends with “%1”</source>
        <translation>「%1」で終わる</translation>
    </message>
    <message>
        <source>does not end with “%1”</source>
        <translation>「%1」で終わらない</translation>
    </message>
    <message>
        <source>Empty every value (unknown test)</source>
        <translation>すべての値を空にする (不明な比較方法)</translation>
    </message>
    <message>
        <source>Delete every “%1”</source>
        <translation>「%1」をすべて削除</translation>
    </message>
    <message>
        <source>Replace every “%1” with “%2”</source>
        <translation>「%1」をすべて「%2」に置換</translation>
    </message>
    <message>
        <source>Delete the leading “%1”</source>
        <translation>先頭の「%1」を削除</translation>
    </message>
    <message>
        <source>Replace the leading “%1” with “%2”</source>
        <translation>先頭の「%1」を「%2」に置換</translation>
    </message>
    <message>
        <source>Delete the trailing “%1”</source>
        <translation>末尾の「%1」を削除</translation>
    </message>
    <message>
        <source>Replace the trailing “%1” with “%2”</source>
        <translation>末尾の「%1」を「%2」に置換</translation>
    </message>
    <message>
        <source>If the value %1, replace every “%2” with “%3”</source>
        <translation>%1ときは「%2」をすべて「%3」に置換</translation>
    </message>
    <message>
        <source>over %1</source>
        <translation>%1 より大きい</translation>
    </message>
    <message>
        <source>%1 or more</source>
        <translation>%1 以上</translation>
    </message>
    <message>
        <source>under %1</source>
        <translation>%1 未満</translation>
    </message>
    <message>
        <source>%1 or less</source>
        <translation>%1 以下</translation>
    </message>
    <message>
        <source>%1: any value</source>
        <translation>%1：どの値でも成立</translation>
    </message>
    <message>
        <source>%1 is a number %2</source>
        <translation>%1 が %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>%1: no test set, never true</source>
        <translation>%1：比較方法が未設定 (常に不成立)</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 が%2</translation>
    </message>
    <message>
        <source>and %1</source>
        <translation>かつ %1</translation>
    </message>
    <message>
        <source>or %1</source>
        <translation>または %1</translation>
    </message>
    <message>
        <source>Never written: the way to combine the conditions is not set</source>
        <translation>条件の組み合わせ方が未設定のため出力されません</translation>
    </message>
    <message>
        <source>Join as text (new line LF)</source>
        <translation>文字列を連結（改行 LF）</translation>
    </message>
    <message>
        <source>Join as text (new line CRLF)</source>
        <translation>文字列を連結（改行 CRLF）</translation>
    </message>
    <message>
        <source>Join as text (no separator)</source>
        <translation>文字列を連結（区切り文字なし）</translation>
    </message>
    <message>
        <source>Join as text (%1)</source>
        <translation>文字列を連結（%1）</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>Keep the value only if it %1</source>
        <translation>%1値だけを残す</translation>
    </message>
    <message>
        <source>Empty the value if it %1</source>
        <translation>%1値を空にする</translation>
    </message>
    <message>
        <source>Make the value “%2” if it %1</source>
        <translation>%1値を「%2」にする</translation>
    </message>
    <message>
        <source>전체열</source>
        <translation>文字列全体</translation>
    </message>
    <message>
        <source>일치문자만</source>
        <translation>一致した文字のみ</translation>
    </message>
    <message>
        <source>출력</source>
        <translation>残す</translation>
    </message>
    <message>
        <source>제외</source>
        <translation>除外</translation>
    </message>
    <message>
        <source>치환</source>
        <translation>置換</translation>
    </message>
    <message>
        <source>과 일치</source>
        <translation>と一致</translation>
    </message>
    <message>
        <source>과 불일치</source>
        <translation>と不一致</translation>
    </message>
    <message>
        <source>을 포함</source>
        <translation>を含む</translation>
    </message>
    <message>
        <source>을 미포함</source>
        <translation>を含まない</translation>
    </message>
    <message>
        <source>으로 시작</source>
        <translation>で始まる</translation>
    </message>
    <message>
        <source>으로 시작하지 않음</source>
        <translation>で始まらない</translation>
    </message>
    <message>
        <source>으로 끝</source>
        <translation>で終わる</translation>
    </message>
    <message>
        <source>으로 끝나지 않음</source>
        <translation>で終わらない</translation>
    </message>
    <message>
        <source>초과</source>
        <translation>より大きい</translation>
    </message>
    <message>
        <source>이상</source>
        <translation>以上</translation>
    </message>
    <message>
        <source>미만</source>
        <translation>未満</translation>
    </message>
    <message>
        <source>이하</source>
        <translation>以下</translation>
    </message>
    <message>
        <source>무제한</source>
        <translation>制限なし</translation>
    </message>
    <message>
        <source>병합 안함</source>
        <translation>統合しない</translation>
    </message>
    <message>
        <source>문자열 병합</source>
        <translation>文字列として連結</translation>
    </message>
    <message>
        <source>숫자열 합</source>
        <translation>数値として合計</translation>
    </message>
    <message>
        <source>위 조건을 모두 만족시 출력</source>
        <translation>上の条件をすべて満たすときに出力</translation>
    </message>
    <message>
        <source>위 조건을 하나라도 만족시 출력</source>
        <translation>上の条件のいずれかを満たすときに出力</translation>
    </message>
</context>
<context>
    <name>RuleDialog</name>
    <message>
        <source>규칙설정</source>
        <translation>ルールの設定</translation>
    </message>
    <message>
        <source>설정된 규칙을 병합 전 처리에 추가합니다</source>
        <translation>設定したルールを統合前の処理に追加します</translation>
    </message>
    <message>
        <source>선택된 병합 전 처리 규칙을 삭제합니다</source>
        <translation>統合前の処理から選択したルールを削除します</translation>
    </message>
    <message>
        <source>병합 전 처리</source>
        <translation>統合前の処理</translation>
    </message>
    <message>
        <source>드래그하여 순서변경이 가능합니다</source>
        <translation>ドラッグして順序を変更できます</translation>
    </message>
    <message>
        <source>선택된 규칙을 병합 후 처리로 이동합니다</source>
        <translation>選択したルールを統合後の処理へ移します</translation>
    </message>
    <message>
        <source>선택된 규칙을 병합 전 처리로 이동합니다</source>
        <translation>選択したルールを統合前の処理へ移します</translation>
    </message>
    <message>
        <source>설정된 규칙을 병합 후 처리에 추가합니다</source>
        <translation>設定したルールを統合後の処理に追加します</translation>
    </message>
    <message>
        <source>선택된 병합 후 처리 규칙을 삭제합니다</source>
        <translation>統合後の処理から選択したルールを削除します</translation>
    </message>
    <message>
        <source>병합 후 처리</source>
        <translation>統合後の処理</translation>
    </message>
    <message>
        <source>예시</source>
        <translation>サンプル</translation>
    </message>
    <message>
        <source>규칙을 시험해 볼 예시 값을 입력합니다</source>
        <translation>ルールを試すためのサンプル値を入力します</translation>
    </message>
    <message>
        <source>병합 전</source>
        <translation>統合前</translation>
    </message>
    <message>
        <source>예시 값에 병합 전 처리 규칙을 차례로 적용한 결과입니다</source>
        <translation>サンプル値に統合前の処理のルールを順に適用した結果です</translation>
    </message>
    <message>
        <source>병합 후</source>
        <translation>統合後</translation>
    </message>
    <message>
        <source>병합 전 처리 결과에 병합 후 처리 규칙을 차례로 적용한 결과입니다</source>
        <translation>統合前の結果に統合後の処理のルールを順に適用した結果です</translation>
    </message>
    <message>
        <source>변경사항을 저장합니다</source>
        <translation>変更を保存します</translation>
    </message>
    <message>
        <source>확인</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>변경사항을 저장하지 않습니다</source>
        <translation>変更を保存しません</translation>
    </message>
    <message>
        <source>취소</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Character &apos;,&apos; cannot be included.</source>
        <translation>「,」(カンマ)は使用できません。</translation>
    </message>
</context>
<context>
    <name>RuleToolBox</name>
    <message>
        <source>문자열 길이수정</source>
        <translation>文字数の調整</translation>
    </message>
    <message>
        <source>길이변경을 시작할 위치를 선택합니다</source>
        <translation>文字数を数える起点を選択します</translation>
    </message>
    <message>
        <source>처음부터</source>
        <translation>先頭から</translation>
    </message>
    <message>
        <source>끝에서</source>
        <translation>末尾から</translation>
    </message>
    <message>
        <source>변경할 길이를 지정합니다</source>
        <translation>文字数を指定します</translation>
    </message>
    <message>
        <source>자 만큼</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>설정된 길이를 처리할 방법을 선택합니다</source>
        <translation>指定した文字数分の文字をどう扱うかを選択します</translation>
    </message>
    <message>
        <source>남기기</source>
        <translation>を残す</translation>
    </message>
    <message>
        <source>잘라내기</source>
        <translation>を削除する</translation>
    </message>
    <message>
        <source>개행</source>
        <translation>ごとに改行する</translation>
    </message>
    <message>
        <source>개행코드 처리</source>
        <translation>改行コードの処理</translation>
    </message>
    <message>
        <source>모든 개행코드를 LF개행코드로 치환합니다</source>
        <translation>すべての改行コードを LF に置換します</translation>
    </message>
    <message>
        <source>모든 개행코드를 CRLF개행코드로 치환합니다</source>
        <translation>すべての改行コードを CRLF に置換します</translation>
    </message>
    <message>
        <source>모든 개행코드를 없애고 한줄로 만듭니다</source>
        <translation>すべての改行コードを削除して 1 行にします</translation>
    </message>
    <message>
        <source>없애기(한줄로)</source>
        <translation>削除して 1 行にする</translation>
    </message>
    <message>
        <source>문자 삽입</source>
        <translation>文字の挿入</translation>
    </message>
    <message>
        <source>삽입위치</source>
        <translation>挿入位置</translation>
    </message>
    <message>
        <source>문자가 삽입될 위치를 선택합니다</source>
        <translation>文字を挿入する位置を選択します</translation>
    </message>
    <message>
        <source>처음</source>
        <translation>先頭</translation>
    </message>
    <message>
        <source>끝</source>
        <translation>末尾</translation>
    </message>
    <message>
        <source>삽입문자</source>
        <translation>挿入する文字</translation>
    </message>
    <message>
        <source>삽입 될 문자를 지정합니다</source>
        <translation>挿入する文字を指定します</translation>
    </message>
    <message>
        <source>문자 추출/치환</source>
        <translation>文字の抽出/置換</translation>
    </message>
    <message>
        <source>검색</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>검색 할 문자를 지정합니다</source>
        <translation>検索する文字を指定します</translation>
    </message>
    <message>
        <source>검색 방법을 선택합니다</source>
        <translation>検索方法を選択します</translation>
    </message>
    <message>
        <source>처리 범위를 선택합니다</source>
        <translation>処理する範囲を選択します</translation>
    </message>
    <message>
        <source>처리 방법을 선택합니다</source>
        <translation>処理方法を選択します</translation>
    </message>
    <message>
        <source>치환</source>
        <translation>置換</translation>
    </message>
    <message>
        <source>치환 할 문자열을 지정합니다</source>
        <translation>置換後の文字列を指定します</translation>
    </message>
    <message>
        <source>문자종류 변환</source>
        <translation>文字種の変換</translation>
    </message>
    <message>
        <source>모든 영문자를 소문자로 치환합니다</source>
        <translation>すべての英字を小文字に変換します</translation>
    </message>
    <message>
        <source>소문자</source>
        <translation>小文字</translation>
    </message>
    <message>
        <source>모든 영문자를 대문자로 치환합니다</source>
        <translation>すべての英字を大文字に変換します</translation>
    </message>
    <message>
        <source>대문자</source>
        <translation>大文字</translation>
    </message>
    <message>
        <source>모든 반각문자를 대응되는 전각문자로 치환합니다</source>
        <translation>すべての半角文字を対応する全角文字に変換します</translation>
    </message>
    <message>
        <source>전각문자</source>
        <translation>全角</translation>
    </message>
    <message>
        <source>모든 전각문자를 대응되는 반각문자로 치환합니다</source>
        <translation>すべての全角文字を対応する半角文字に変換します</translation>
    </message>
    <message>
        <source>반각문자</source>
        <translation>半角</translation>
    </message>
    <message>
        <source>모든 카타가나문자를 히라가나문자로 치환합니다</source>
        <translation>すべてのカタカナをひらがなに変換します</translation>
    </message>
    <message>
        <source>히라가나</source>
        <translation>ひらがな</translation>
    </message>
    <message>
        <source>모든 히라가나문자를 카타가나문자로 치환합니다</source>
        <translation>すべてのひらがなをカタカナに変換します</translation>
    </message>
    <message>
        <source>카타가나</source>
        <translation>カタカナ</translation>
    </message>
    <message>
        <source>공백제거</source>
        <translation>空白の削除</translation>
    </message>
    <message>
        <source>문자열의 시작과 끝 부분의 공백을 제거합니다</source>
        <translation>文字列の前後にある空白を削除します</translation>
    </message>
    <message>
        <source>처음과 끝</source>
        <translation>前後のみ</translation>
    </message>
    <message>
        <source>문자열 내의 모든 공백을 제거합니다</source>
        <translation>前後の空白を削除し、連続した空白を半角スペース 1 つにまとめます</translation>
    </message>
    <message>
        <source>모든 공백</source>
        <translation>前後と連続した空白</translation>
    </message>
</context>
</TS>
